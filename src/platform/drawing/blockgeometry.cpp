// The block geometry: the multiple, the corner, and the rectangles between pixels and device pixels.
#include "platform/drawing/blockgeometry.h"

#include <QRectF>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// Division that rounds towards minus infinity, for device positions left of the picture.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

BlockGeometry::BlockGeometry(QSize designed, QSize available, qreal ratio, QPointF exactCorner)
    : m(std::max(1, wholeBelow(std::min(available.width() * ratio / designed.width(), available.height() * ratio / designed.height()))))
    , deviceCorner(qRound(exactCorner.x()), qRound(exactCorner.y()))
    , ratio(ratio)
{
}

BlockGeometry BlockGeometry::inWindow(const QWidget &area, QSize designed)
{
    const qreal ratio = area.devicePixelRatioF();
    return BlockGeometry(designed, area.size(), ratio, QPointF(area.mapTo(area.window(), QPoint(0, 0))) * ratio);
}

QRect BlockGeometry::pixelsMeeting(const QRect &device) const
{
    const QRect relative = device.translated(-deviceCorner);
    return QRect(QPoint(floorDiv(relative.left(), m), floorDiv(relative.top(), m)),
                 QPoint(floorDiv(relative.right(), m), floorDiv(relative.bottom(), m)));
}

QRect BlockGeometry::logicalRectOf(const QRect &pixels) const
{
    // The picture starts within half a device pixel of the area's corner; one more pixel on each
    // side covers that and the rounding.
    const qreal scale = m / ratio;
    const QRectF exact(pixels.x() * scale, pixels.y() * scale, pixels.width() * scale, pixels.height() * scale);
    return exact.toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace platform
