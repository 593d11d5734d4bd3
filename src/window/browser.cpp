// Keys and wheel steps, turned into steps through the file list.
#include "window/browser.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace {

// One notch of a usual mouse wheel, in eighths of a degree; a touchpad's small turns add up to it.
constexpr int WheelNotch = 120;

} // namespace

Browser::Browser(platform::FileListBox *files, QWidget *navigator, QWidget *window, QWidget *picture)
    : QObject(window)
    , files(files)
    , navigator(navigator)
    , window(window)
    , picture(picture)
{
    window->installEventFilter(this);
    picture->installEventFilter(this);
    navigator->installEventFilter(this);
    takeKeyboard();
}

void Browser::takeKeyboard()
{
    // The picture takes the keyboard while it browses: while the navigator is hidden. Behind the
    // shown navigator it is out of the keyboard's way, so that Tab goes round the lists.
    const bool browsing = navigator->isHidden();
    picture->setFocusPolicy(browsing ? Qt::StrongFocus : Qt::NoFocus);
    if (browsing)
        picture->setFocus(Qt::OtherFocusReason);
}

bool Browser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == navigator && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        takeKeyboard();
    // With the navigator shown, its lists take the keys as always.
    if (navigator->isVisible())
        return false;
    if (watched == window && event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent *>(event));
    if (watched == picture && event->type() == QEvent::Wheel) {
        wheelTurned(static_cast<QWheelEvent *>(event));
        return true;
    }
    return false;
}

bool Browser::keyPressed(const QKeyEvent *event)
{
    using Step = platform::FileListBox::Step;
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false; // a shortcut, or the menu's keys
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        files->browse(Step::Next);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace:
        files->browse(Step::Previous);
        return true;
    case Qt::Key_Home:
        files->browse(Step::First);
        return true;
    case Qt::Key_End:
        files->browse(Step::Last);
        return true;
    default:
        return false;
    }
}

void Browser::wheelTurned(const QWheelEvent *event)
{
    const int turn = event->angleDelta().y();
    // Turning back starts counting afresh, so that a small turn back is not lost against the
    // rest of a turn forward.
    if ((turn < 0) != (wheelTurn < 0))
        wheelTurn = 0;
    wheelTurn += turn;
    // Every whole notch is one file: down (a negative turn) for the next, up for the previous.
    // The notches of one event are one choice, so that only the file they end on is drawn.
    const int notches = wheelTurn / WheelNotch;
    if (notches == 0)
        return;
    wheelTurn -= notches * WheelNotch;
    files->browse(notches < 0 ? platform::FileListBox::Step::Next : platform::FileListBox::Step::Previous, std::abs(notches));
}
