// F10 and Alt: the keyboard's ways into the menu bar.
#include "window/menukeys.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

// The application's style with Alt alone giving the menu bar the keyboard. Qt's menu bar then
// does the rest (the arrow keys, Escape and the focus given back); styles that imitate Windows set
// the hint themselves, Fusion does not.
class AltNavigation final : public QProxyStyle
{
public:
    AltNavigation() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returned) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    // The menu under the pointer or the keyboard is highlighted as when it is open: Fusion
    // highlights only an open one, so that Alt alone would show nothing.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && option->state & State_Selected) {
            auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
            if (item) {
                QStyleOptionMenuItem highlighted = *item;
                highlighted.state |= State_Sunken;
                QProxyStyle::drawControl(element, &highlighted, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

MenuKeys::MenuKeys(QWidget *window, QMenuBar *bar, QMenu *menu)
    : QObject(window)
    , bar(bar)
    , menu(menu)
{
    auto *style = new AltNavigation;
    style->setParent(bar); // a widget's style is not owned by the widget
    bar->setStyle(style);
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    connect(f10, &QShortcut::activated, this, &MenuKeys::openMenu);
}

void MenuKeys::openMenu()
{
    bar->setActiveAction(menu->menuAction());
    menu->setActiveAction(menu->actions().value(0));
}
