// Tarnvel: starts the application with its one window.
#include "window/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    frmMain window;
    window.Form_Load();
    window.show();
    return application.exec();
}
