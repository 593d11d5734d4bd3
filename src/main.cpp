// Tarnvel: starts the application with its one window.
#include "platform/runtime/sessionbus.h"
#include "window/frmmain.h"
#include "window/sessionlanguage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::refuseSessionBusLaunch(); // before Qt looks for the bus
    QApplication application(argc, argv);
    const SessionLanguage language(application);
    // Ties the window to its desktop entry, for the icon and name a Wayland desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarnvel.Tarnvel"));
    frmMain window;
    window.Form_Load();
    window.show();
    return application.exec();
}
