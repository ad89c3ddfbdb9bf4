// The yardstick for the program's start-up: a bare Qt Widgets window that shows and quits
// the way the program does.
#include "app/quit_after_start.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    ondrell::QuitAfterStart::Arm(window);
    return app.exec();
}
