// Frame pacing through Qt's update requests, which follow the compositor's frame callbacks on Wayland.
#include "platform/drawing/framepacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

FramePacer::FramePacer(QWidget &widget)
    : FramePacer(widget, QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
}

FramePacer::FramePacer(QWidget &widget, bool paced)
    : QObject(&widget)
    , widget(widget)
    , paced(paced)
{
}

void FramePacer::update(const QRect &area)
{
    QWindow *shown = widget.window()->windowHandle();
    if (!paced || !shown) {
        widget.update(area);
        return;
    }
    pending = pending.united(area);
    if (shown != window) {
        if (window)
            window->removeEventFilter(this);
        window = shown;
        window->installEventFilter(this);
        frameAsked = false;
    }
    if (!frameAsked) {
        frameAsked = true;
        window->requestUpdate(); // delivered when the compositor asks for the next frame
    }
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    // A frame the compositor answers late (Qt waits 100 ms) makes Qt take the window as hidden
    // until it comes; when it comes, Qt shows the window again but never delivers the update
    // request it held. Showing again therefore counts as the frame, or the pixels asked for would
    // wait for ever.
    const bool shownAgain = event->type() == QEvent::Expose && window && window->isExposed();
    if (watched == window && (event->type() == QEvent::UpdateRequest || shownAgain)) {
        frameAsked = false;
        if (!pending.isEmpty()) {
            widget.update(pending);
            pending = QRect();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
