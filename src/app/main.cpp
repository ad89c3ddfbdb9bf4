// The desktop program: the main menu, and the notice forms it opens.
#include "app/digital_menu_frm.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    ondrell::DigitalMenuFrmGE06 menu(QApplication::applicationDirPath());
    menu.show();
    // Start-up measurements: leave as soon as the menu is on screen.
    if (qEnvironmentVariableIsSet("ONDRELL_QUIT_AFTER_START"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
