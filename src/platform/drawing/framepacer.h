// Repaints at the compositor's pace: what is drawn between two frames reaches it with the next one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;
class QWindow;

namespace platform {

class FramePacer : public QObject
{
public:
    // Paces the repaints of widget, a child of it, where the window system asks for frames.
    explicit FramePacer(QWidget &widget);
    // Paces them by the window's frames, or not at all, whatever the window system.
    FramePacer(QWidget &widget, bool paced);

    // Asks for area of the widget to be repainted. Where the window system asks for frames
    // (Wayland), the areas asked for until its next frame are repainted together for that frame,
    // so that the compositor composes one frame per refresh rather than one per pixel; elsewhere
    // the area is repainted at the next event processing, as QWidget::update does.
    void update(const QRect &area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &widget;
    const bool paced;
    QRect pending;             // the areas asked for since the last frame, as one rectangle
    QPointer<QWindow> window;  // the window whose frames are watched
    bool frameAsked = false;
};

} // namespace platform
