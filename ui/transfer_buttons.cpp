// The foot of a dialog that edits some of the page's entries.
#include "ui/transfer_buttons.h"

#include <QToolButton>

#include "ui/page_controls.h"

void MakeTransferButtons(QDialog* dialog, const std::string& prefix, int y,
                         std::function<bool()> transfer) {
    auto* cancel = MakeFlatButton(dialog, (prefix + "Cancel").c_str(), QStringLiteral("取り消し"),
                                  QString(), QRect(4, y, 100, 26));
    auto* hand =
        MakeFlatButton(dialog, (prefix + "Transfer").c_str(), QStringLiteral("設計条件に転記"),
                       QString(), QRect(186, y, 110, 26));
    for (auto* button : {cancel, hand}) button->setAutoRaise(false);
    QObject::connect(cancel, &QToolButton::clicked, dialog, &QDialog::hide);
    QObject::connect(hand, &QToolButton::clicked, dialog, [dialog, transfer = std::move(transfer)] {
        if (transfer()) dialog->hide();
    });
}
