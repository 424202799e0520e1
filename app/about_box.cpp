// The about box.
#include "app/about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("このシステムは"));
    setFixedSize(362, 132);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 346, 80);
    auto* name = new QLabel(QStringLiteral("ドルメタ （Dolmeta） Ver 3.3"), panel);
    name->setGeometry(10, 14, 326, 24);
    name->setStyleSheet(QStringLiteral("color: blue;"));
    auto* release = new QLabel(QStringLiteral("Release 2026.12"), panel);
    release->setGeometry(10, 44, 326, 20);
    auto* ok = new QPushButton(QStringLiteral("O.K"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(141, 96, 80, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
