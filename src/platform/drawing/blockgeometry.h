// How a picture of whole pixels lies on a device: each pixel an m × m block of device pixels,
// from a corner on a whole device pixel. The window's layout, the paint path and the direct
// drawer all take it from here, so that every path puts the same blocks in the same place.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cmath>

class QWidget;

namespace platform {

class BlockGeometry
{
public:
    // Slack for ratios such as 1.1 that binary fractions hold only nearly.
    static constexpr qreal Slack = 1e-6;
    // The whole number just below value, or value itself when it is whole but for the slack.
    static int wholeBelow(qreal value) { return int(std::floor(value + Slack)); }
    // The whole number just above value, or value itself when it is whole but for the slack.
    static int wholeAbove(qreal value) { return int(std::ceil(value - Slack)); }

    // A picture designed at designed pixels, shown in available logical pixels at the device pixel
    // ratio: the multiple is the largest whole one at which it fits (at least 1), and the corner is
    // the device pixel nearest exactCorner (the area's corner in the device's pixels), where the
    // window system's clipping of the area starts too.
    BlockGeometry(QSize designed, QSize available, qreal ratio, QPointF exactCorner = {});
    // The geometry of a picture designed at designed pixels and shown in area, in the device pixels
    // of area's window.
    static BlockGeometry inWindow(const QWidget &area, QSize designed);

    int multiple() const { return m; }
    QPoint corner() const { return deviceCorner; }

    // The device pixels that show the given picture pixels.
    QRect deviceRectOf(const QRect &pixels) const { return QRect(deviceCorner + pixels.topLeft() * m, pixels.size() * m); }
    // The picture pixels whose blocks meet the given device pixels (clipped to no picture).
    QRect pixelsMeeting(const QRect &device) const;
    // A rectangle in the area's logical coordinates that holds every device pixel of the given
    // picture pixels, for asking the area to be repainted there; it needs no corner.
    QRect logicalRectOf(const QRect &pixels) const;

private:
    int m;
    QPoint deviceCorner;
    qreal ratio;
};

} // namespace platform
