// Tarnvel: starts the application with its one window.
#include "window/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, for the icon and name a Wayland desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnvel.Tarnvel"));
    frmMain window;
    window.Form_Load();
    window.show();
    return application.exec();
}
