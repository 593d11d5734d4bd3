// Frame pacing through Qt's update requests, which follow the compositor's frame callbacks on Wayland.
#include "platform/drawing/framepacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace platform {

FramePacer::FramePacer(QWidget &widget)
    : QObject(&widget)
    , widget(widget)
    , paced(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
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
    if (watched == window && event->type() == QEvent::UpdateRequest) {
        frameAsked = false;
        if (!pending.isEmpty()) {
            widget.update(pending);
            pending = QRect();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
