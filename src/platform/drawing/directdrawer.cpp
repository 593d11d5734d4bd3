// The direct drawer: what lies in front of the box, and writing the blocks into the backing store.
#include "platform/drawing/directdrawer.h"

#include "platform/drawing/blockgeometry.h"
#include "platform/drawing/windowpixelwriter.h"
#include "platform/runtime/qtruntime.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace platform {

namespace {

// The event that draws the pixels taken since the last event processing.
constexpr QEvent::Type DrawTaken = QEvent::User;

// A logical rectangle in device pixels: rounded outwards, every device pixel it touches; inwards,
// only those it covers whole.
QRect toDevice(const QRect &logical, qreal ratio, bool outwards)
{
    const QRectF exact(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio, logical.height() * ratio);
    if (outwards)
        return exact.toAlignedRect();
    const int left = BlockGeometry::wholeAbove(exact.left()), top = BlockGeometry::wholeAbove(exact.top());
    const int right = BlockGeometry::wholeBelow(exact.right()), bottom = BlockGeometry::wholeBelow(exact.bottom());
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The logical rectangles that hold the device pixels of region, for the backing store's calls.
QRegion toLogical(const QRegion &region, qreal ratio)
{
    QRegion logical;
    for (const QRect &part : region)
        logical += QRectF(part.x() / ratio, part.y() / ratio, part.width() / ratio, part.height() / ratio).toAlignedRect();
    return logical;
}

bool isQRgbLayout(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

DirectDrawer::DirectDrawer(QWidget &area, const QImage &picture)
    : QObject(&area)
    , box(area)
    , picture(picture)
{
}

DirectDrawer::~DirectDrawer() = default;

bool DirectDrawer::applies() const
{
    static const bool rasterPlatform = QGuiApplication::platformName() == QLatin1String("xcb")
        || QGuiApplication::platformName() == QLatin1String("offscreen");
    if (!allowed || !rasterPlatform || !box.isVisible() || box.testAttribute(Qt::WA_NativeWindow))
        return false;
    const QWidget *top = box.window();
    const QWindow *shown = top->windowHandle();
    // A window resized since its last paint still has a backing store of the old size: the paint
    // path resizes it first.
    return shown && shown->isExposed() && top->backingStore() && top->backingStore()->size() == top->size();
}

bool DirectDrawer::take(int x, int y)
{
    if (!taken.isEmpty()) { // drawn with the others taken since the last event processing
        taken |= QRect(x, y, 1, 1);
        return true;
    }
    if (!applies())
        return false;
    taken = QRect(x, y, 1, 1);
    if (!drawnBeforeEvents)
        QCoreApplication::postEvent(this, new QEvent(DrawTaken));
    return true;
}

void DirectDrawer::drawBeforeEventsOf(QtRunTime &runtime)
{
    drawnBeforeEvents = true;
    runtime.setBeforeEvents([this] { draw(); });
}

void DirectDrawer::repaint(const QRect &pixels)
{
    box.update(BlockGeometry(picture.size(), box.size(), box.devicePixelRatioF()).logicalRectOf(pixels));
}

void DirectDrawer::draw()
{
    drawTaken(true); // no event has been handled since the pixels were taken: nothing has changed
}

bool DirectDrawer::event(QEvent *event)
{
    if (event->type() != DrawTaken)
        return QObject::event(event);
    drawTaken(false);
    return true;
}

template <typename Clip, typename Cut> void DirectDrawer::forEachRectAround(qreal ratio, Clip &&clip, Cut &&cut) const
{
    const QWidget *top = box.window();
    for (const QWidget *w = &box; w != top; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        const QPoint parentCorner = parent == top ? QPoint(0, 0) : parent->mapTo(top, QPoint(0, 0));
        clip(toDevice(QRect(parentCorner, parent->size()), ratio, false));
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size(); ++i) {
            const auto *front = qobject_cast<const QWidget *>(siblings[i]);
            if (front && front->isVisible() && !front->isWindow())
                cut(toDevice(QRect(parentCorner + front->pos(), front->size()), ratio, true));
        }
    }
}

QRegion DirectDrawer::uncovered(qreal ratio) const
{
    QRegion region(toDevice(QRect(box.mapTo(box.window(), QPoint(0, 0)), box.size()), ratio, false));
    forEachRectAround(ratio, [&region](const QRect &parent) { region &= parent; }, [&region](const QRect &front) { region -= front; });
    return region;
}

bool DirectDrawer::whollyUncovered(const QRect &target, qreal ratio) const
{
    bool whole = true;
    forEachRectAround(ratio, [&](const QRect &parent) { whole = whole && parent.contains(target); },
                      [&](const QRect &front) { whole = whole && !front.intersects(target); });
    return whole;
}

WindowPixelWriter *DirectDrawer::writerFor(QWindow *window)
{
    if (window != writerWindow) {
        writerWindow = window;
        writer = WindowPixelWriter::forWindow(window);
    }
    return writer.get();
}

void DirectDrawer::drawTaken(bool stillApplies)
{
    const QRect pixels = std::exchange(taken, QRect());
    if (pixels.isEmpty())
        return;
    if (!stillApplies && !applies()) { // hidden or moved to another screen since
        repaint(pixels);
        return;
    }
    QWidget *top = box.window();
    QWindow *window = top->windowHandle();
    const qreal ratio = box.devicePixelRatioF();
    // The picture's blocks lie where the paint event puts them, so that both paths give the same
    // device pixels.
    const BlockGeometry geometry = BlockGeometry::inWindow(box, picture.size());
    const int block = geometry.multiple();
    const QPoint corner = geometry.corner();
    const QRect target = geometry.deviceRectOf(pixels);
    // Never over what lies in front of the picture, such as the navigator panel: what shows there
    // (a widget in front may let some of the picture through) is left to the paint path.
    QRegion visible(target);
    if (!whollyUncovered(target, ratio)) {
        visible = uncovered(ratio).intersected(target);
        if (visible != QRegion(target))
            repaint(pixels);
        if (visible.isEmpty())
            return;
    }
    QBackingStore *store = top->backingStore();
    const QRegion logical = toLogical(visible, ratio);
    store->beginPaint(logical);
    QPaintDevice *device = store->paintDevice();
    QImage *image = device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    // Only the usual X11 and offscreen stores, 32-bit pixels in QRgb's layout, are written here, and
    // never past their image; anything else takes the paint path.
    if (!image || !isQRgbLayout(image->format()) || !image->rect().contains(visible.boundingRect())) {
        store->endPaint();
        repaint(pixels);
        return;
    }
    for (const QRect &part : visible) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const QRgb *from = reinterpret_cast<const QRgb *>(picture.constScanLine((y - corner.y()) / block));
            auto *to = reinterpret_cast<QRgb *>(image->scanLine(y));
            for (int x = part.left(); x <= part.right(); ++x)
                to[x] = from[(x - corner.x()) / block] | 0xFF000000u; // opaque
        }
    }
    store->endPaint();
    // Where the window system has a way of its own (on X11, one small request with nothing to wait
    // for), the same pixels go to the window that way; Qt's flush would ask the server to report
    // back, for every pixel.
    if (WindowPixelWriter *own = writerFor(window)) {
        own->put(*image, visible);
        return;
    }
    store->flush(logical, window);
}

} // namespace platform
