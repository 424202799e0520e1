// The desktop program: the application, its windows in their order, the message loop.
#include "app/desktop.h"

#include <QApplication>

#include "app/file_functions.h"
#include "app/main_window.h"
#include "calc/calc_table.h"
#include "ui/fonts.h"
#include "ui/japanese_texts.h"
#include "ui/window_messenger.h"
#include "ui/window_places.h"

int RunDesktop(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dolmeta"));
    // The settings that keep the windows' places between starts.
    QApplication::setOrganizationName(QStringLiteral("Dolmeta"));
    QApplication::setFont(ControlFont(12));
    UseJapaneseQtTexts(application);
    CalcTable table;
    WindowMessenger messenger;
    MainWindow window(table, messenger, ProgramFileFunctions());
    QObject::connect(&window, &MainWindow::closed, &application, &QApplication::quit);
    // Maximised, unless it was last closed elsewhere.
    if (RestorePlace(window, MainWindow::kPlaceKey))
        window.show();
    else
        window.showMaximized();
    return QApplication::exec();
}
