// The scaled layout: the factor is m / device pixel ratio, so the picture is m device pixels per pixel.
#include "window/scaledlayout.h"

#include "platform/drawing/blockgeometry.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

using platform::BlockGeometry;

// The rectangle between the scaled edges of designed, each edge rounded to the nearest pixel; or
// outwards, for a picture. A picture starts on the device pixel nearest its box's corner, which at
// a fractional ratio may lie half a device pixel further on than the box's edge: there the box
// spares half a device pixel more on each side.
QRect scaled(QRect designed, qreal factor, QPointF margin, bool outward, qreal devicePixelRatio)
{
    const qreal left = margin.x() + factor * designed.x();
    const qreal top = margin.y() + factor * designed.y();
    const qreal right = margin.x() + factor * (designed.x() + designed.width());
    const qreal bottom = margin.y() + factor * (designed.y() + designed.height());
    if (outward) {
        const bool whole = BlockGeometry::wholeBelow(devicePixelRatio) == BlockGeometry::wholeAbove(devicePixelRatio);
        const qreal spare = whole ? 0 : 0.5 / devicePixelRatio;
        const int l = BlockGeometry::wholeBelow(left - spare), t = BlockGeometry::wholeBelow(top - spare);
        return QRect(l, t, BlockGeometry::wholeAbove(right + spare) - l, BlockGeometry::wholeAbove(bottom + spare) - t);
    }
    const int l = qRound(left), t = qRound(top);
    return QRect(l, t, qRound(right) - l, qRound(bottom) - t);
}

} // namespace

ScaledLayout::ScaledLayout(QWidget *client, QSize designed)
    : client(client)
    , designed(designed)
{
    if (client)
        client->installEventFilter(this);
}

bool ScaledLayout::eventFilter(QObject *watched, QEvent *event)
{
    // A new size or a screen with another device pixel ratio scales the layout anew.
    if (watched == client && (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal))
        apply();
    // Some platforms change the ratio of a shown window with no event of its own (Qt 6.4 on
    // Wayland): the paint that follows is the first to see it. The window is laid out after it.
    if (watched == client && event->type() == QEvent::Paint && ratioChanged())
        QMetaObject::invokeMethod(this, [this] { apply(); }, Qt::QueuedConnection);
    return false;
}

void ScaledLayout::add(QWidget *control, QRect designedRect)
{
    placements.append({ control, designedRect, false });
}

void ScaledLayout::addPicture(QWidget *control, QRect designedRect)
{
    placements.append({ control, designedRect, true });
}

int ScaledLayout::startMultiple(qreal devicePixelRatio)
{
    return std::max(1, BlockGeometry::wholeAbove(devicePixelRatio));
}

int ScaledLayout::fittingMultiple(QSize available, qreal devicePixelRatio) const
{
    return BlockGeometry(designed, available, devicePixelRatio).multiple();
}

QSize ScaledLayout::clientSize(int multiple, qreal devicePixelRatio) const
{
    const qreal factor = multiple / devicePixelRatio;
    return QSize(BlockGeometry::wholeAbove(designed.width() * factor), BlockGeometry::wholeAbove(designed.height() * factor));
}

QSize ScaledLayout::wholeInDevicePixels(QSize size, qreal devicePixelRatio)
{
    const auto whole = [devicePixelRatio](int length) {
        // Ratios the desktops offer (n / 120) are whole within 120 logical pixels.
        for (int n = length; n < length + 120; ++n) {
            const qreal device = n * devicePixelRatio;
            if (std::abs(device - std::round(device)) < BlockGeometry::Slack * n)
                return n;
        }
        return length;
    };
    return QSize(whole(size.width()), whole(size.height()));
}

void ScaledLayout::sizeForStart(int aboveClient)
{
    above = aboveClient;
    laidOutRatio = client->devicePixelRatioF();
    const QSize area = clientSize(startMultiple(laidOutRatio), laidOutRatio);
    const QSize startSize = wholeInDevicePixels(QSize(area.width(), area.height() + above), laidOutRatio);
    ownSizes.removeOne(startSize);
    ownSizes.append(startSize);
    client->window()->resize(startSize);
}

void ScaledLayout::hide(QWidget *control)
{
    control->setVisible(false);
    if (QWidget *parent = control->parentWidget())
        parent->update(control->geometry().adjusted(-1, -1, 1, 1));
}

bool ScaledLayout::ratioChanged() const
{
    return client->devicePixelRatioF() != laidOutRatio;
}

bool ScaledLayout::atOwnSize() const
{
    const QWidget *window = client->window();
    return ownSizes.contains(window->size()) && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

void ScaledLayout::apply()
{
    if (atOwnSize() && (ratioChanged() || client->window()->size() != ownSizes.last()))
        sizeForStart(above);
    laidOutRatio = client->devicePixelRatioF();
    const qreal factor = fittingMultiple(client->size(), laidOutRatio) / laidOutRatio;
    const QPointF margin((client->width() - designed.width() * factor) / 2, (client->height() - designed.height() * factor) / 2);
    for (const Placement &p : std::as_const(placements)) {
        const bool onClient = p.control->parentWidget() == client;
        p.control->setGeometry(scaled(p.designed, factor, onClient ? margin : QPointF(), p.outward, laidOutRatio));
    }
}
