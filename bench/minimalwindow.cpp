// The yardstick for start-up: a minimal Qt Widgets window of Tarnvel's size with the same menu.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("file"))->addAction(QStringLiteral("open"));
    auto *client = new QWidget;
    client->setFixedSize(402, 286);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(220, 220, 220));
    client->setPalette(palette);
    window.setCentralWidget(client);
    window.show();
    return application.exec();
}
