// The foot of a dialog that edits some of the page's entries: "取り消し", which closes it, and
// "設計条件に転記", which hands its entries over when they are acceptable and then closes it.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

// The two buttons at the given height, named prefix + "Cancel" and prefix + "Transfer".
// `transfer` hands the entries over and says whether it did; the dialog stays open if not.
void MakeTransferButtons(QDialog* dialog, const std::string& prefix, int y,
                         std::function<bool()> transfer);
