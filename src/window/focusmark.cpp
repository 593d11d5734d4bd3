// The focus ring: follows its control's place, size, visibility and focus.
#include "window/focusmark.h"

#include <QEvent>
#include <QPainter>

namespace {

// The ring, in logical pixels: this wide, this far outside the control.
constexpr int RingWidth = 2;
constexpr int RingGap = 1;

} // namespace

FocusMark::FocusMark(QWidget *control)
    : QWidget(control->parentWidget())
    , control(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide: {
        constexpr int out = RingWidth + RingGap;
        setGeometry(control->geometry().adjusted(-out, -out, out, out));
        stackUnder(control);
        setVisible(control->hasFocus() && control->isVisible());
        break;
    }
    default:
        break;
    }
    return false;
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(rect().adjusted(RingWidth, RingWidth, -RingWidth, -RingWidth)));
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
}
