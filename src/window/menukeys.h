// The menu from the keyboard: F10 opens the file menu, and Alt alone gives the menu bar the keyboard.
#pragma once

#include <QObject>

class QMenu;
class QMenuBar;
class QWidget;

class MenuKeys : public QObject
{
    Q_OBJECT

public:
    // F10 anywhere in window opens menu with its first item active, as GNOME's and Xfce's programs
    // do. Alt pressed and released alone highlights the bar's first menu as the pointer over it
    // would and gives the bar the keyboard, as Windows' and KDE's programs do; there Down or Enter
    // opens the menu. Escape closes an open menu, and on the bar gives the keyboard back to the
    // control that had it.
    MenuKeys(QWidget *window, QMenuBar *bar, QMenu *menu);

private:
    void openMenu();

    QMenuBar *bar;
    QMenu *menu;
};
