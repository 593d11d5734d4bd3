// The picture box: a retained image painted in whole device pixels per area pixel, never smoothed.
#include "platform/controls/picturebox.h"

#include "platform/controls/x11pixelwriter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

QRgb toQRgb(Colour colour)
{
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

// Assistive technology presents the box as a picture, not as an empty panel.
QAccessibleInterface *accessibleGraphic(const QString &className, QObject *object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

// The event that draws the pixels set since the last event processing.
constexpr QEvent::Type FlushPixels = QEvent::User;

bool onX11()
{
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return x11;
}

// Division that rounds towards minus infinity, for device positions left of the picture.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

PictureBox::PictureBox(int width, int height, QWidget *parent)
    : QWidget(parent)
    , picture(width, height, QImage::Format_RGB32)
{
    QAccessible::removeFactory(accessibleGraphic); // installed once, however many boxes there are
    QAccessible::installFactory(accessibleGraphic);
    resize(width, height);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted, the picture from the image and the rest in the background colour,
    // so Qt need not clear behind it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Cls();
}

PictureBox::~PictureBox() = default;

void PictureBox::setBackColor(Colour colour)
{
    backColour = colour;
    Cls();
}

void PictureBox::Cls()
{
    picture.fill(toQRgb(backColour));
    update();
}

void PictureBox::PSet(int x, int y, Colour colour)
{
    if (!picture.valid(x, y))
        return;
    picture.setPixel(x, y, toQRgb(colour));
    if (collecting) { // drawn with the others set since the last event processing
        pending |= QRect(x, y, 1, 1);
        return;
    }
    if (!drawsDirectly()) {
        update(boxRectOf(QRect(x, y, 1, 1)));
        return;
    }
    // The cheap path: a posted event draws the pixels set until then straight into the backing
    // store when events are next processed, instead of a whole paint cycle per pixel.
    pending |= QRect(x, y, 1, 1);
    collecting = true;
    if (!refreshedByRunTime)
        QCoreApplication::postEvent(this, new QEvent(FlushPixels));
}

bool PictureBox::drawsDirectly() const
{
    // Only raster backing stores that take painting at any time between frames (X11, and the
    // offscreen platform of the tests), only at one device pixel per logical pixel (elsewhere
    // the paint event places the blocks on device pixels), and only on a shown window.
    static const bool rasterPlatform = onX11() || QGuiApplication::platformName() == QLatin1String("offscreen");
    if (!directAllowed || !rasterPlatform || !isVisible() || testAttribute(Qt::WA_NativeWindow))
        return false;
    const QWidget *top = window();
    const QWindow *shown = top->windowHandle();
    // A window resized since its last paint still has a backing store of the old size: the paint
    // path resizes it first.
    return shown && shown->isExposed() && shown->devicePixelRatio() == 1 && top->backingStore()
        && top->backingStore()->size() == top->size();
}

template <typename Clip, typename Cut> void PictureBox::forEachEdge(Clip &&clip, Cut &&cut) const
{
    // Each parent's rectangle, and every widget stacked in front of the box or of one of its
    // parents, in the window's coordinates.
    const QWidget *top = window();
    for (const QWidget *w = this; w != top; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        const QPoint parentCorner = parent == top ? QPoint(0, 0) : parent->mapTo(top, QPoint(0, 0));
        clip(QRect(parentCorner, parent->size()));
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size(); ++i) {
            const auto *front = qobject_cast<const QWidget *>(siblings[i]);
            if (front && front->isVisible() && !front->isWindow())
                cut(QRect(parentCorner + front->pos(), front->size()));
        }
    }
}

QRegion PictureBox::uncoveredRegion() const
{
    QRegion region(QRect(mapTo(window(), QPoint(0, 0)), size()));
    forEachEdge([&region](const QRect &parent) { region &= parent; }, [&region](const QRect &front) { region -= front; });
    return region;
}

bool PictureBox::whollyUncovered(const QRect &target) const
{
    bool whole = true;
    forEachEdge([&](const QRect &parent) { whole = whole && parent.contains(target); },
                [&](const QRect &front) { whole = whole && !front.intersects(target); });
    return whole;
}

void PictureBox::Refresh()
{
    if (!collecting)
        return;
    collecting = false;
    flushPending(true); // no event has been handled since the pixels were set: nothing has changed
}

bool PictureBox::event(QEvent *event)
{
    if (event->type() != FlushPixels)
        return QWidget::event(event);
    collecting = false;
    flushPending(false);
    return true;
}

void PictureBox::flushPending(bool stillDirect)
{
    const QRect pixels = std::exchange(pending, QRect());
    if (pixels.isEmpty())
        return;
    if (!stillDirect && !drawsDirectly()) { // hidden or moved to another screen since
        update(boxRectOf(pixels));
        return;
    }
    QWidget *top = window();
    const int block = blockSizeAt(1); // drawn directly only at one device pixel per logical pixel
    const QPoint corner = mapTo(top, QPoint(0, 0));
    const QRect target(corner + pixels.topLeft() * block, pixels.size() * block);
    // Never over what lies in front of the picture, such as the navigator panel: what shows there
    // (a widget in front may let some of the picture through) is left to the paint path.
    QRegion visible(target);
    if (!whollyUncovered(target)) {
        visible = uncoveredRegion().intersected(target);
        const QRegion covered = QRegion(target).subtracted(visible);
        if (!covered.isEmpty())
            update(covered.boundingRect().translated(-corner));
        if (visible.isEmpty())
            return;
    }
    QBackingStore *store = top->backingStore();
    store->beginPaint(visible);
    QPaintDevice *device = store->paintDevice();
    QImage *image = device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    const bool plain = image && image->devicePixelRatio() == 1
        && (image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32
            || image->format() == QImage::Format_ARGB32_Premultiplied);
    if (plain && !image->rect().contains(visible.boundingRect())) { // never past the store's image
        store->endPaint();
        update(boxRectOf(pixels));
        return;
    }
    if (plain) {
        // The usual X11 and offscreen stores: 32-bit pixels in QRgb's layout, written opaque.
        for (const QRect &part : visible) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                const QRgb *from = reinterpret_cast<const QRgb *>(picture.constScanLine((y - corner.y()) / block));
                auto *to = reinterpret_cast<QRgb *>(image->scanLine(y));
                for (int x = part.left(); x <= part.right(); ++x)
                    to[x] = from[(x - corner.x()) / block] | 0xFF000000u;
            }
        }
    } else {
        QPainter painter(device);
        painter.setClipRegion(visible);
        painter.drawImage(target, picture, pixels);
    }
    store->endPaint();
    // On X11 the same pixels go to the window in one small request of our own: Qt's flush would
    // also ask the server to report back, for every pixel.
    if (plain && onX11()) {
        if (!x11 || x11->window() != top->windowHandle())
            x11 = std::make_unique<X11PixelWriter>(top->windowHandle());
        if (x11->canWrite()) {
            x11->put(*image, visible);
            return;
        }
    }
    store->flush(visible, top->windowHandle());
}

int PictureBox::blockSizeAt(qreal devicePixelRatio) const
{
    const qreal across = width() * devicePixelRatio / picture.width();
    const qreal down = height() * devicePixelRatio / picture.height();
    return std::max(1, int(std::floor(std::min(across, down) + 1e-6)));
}

QRect PictureBox::boxRectOf(const QRect &pixels) const
{
    // The picture starts within half a device pixel of the box's corner; one more pixel on each
    // side covers that and the rounding.
    const qreal scale = blockSize() / devicePixelRatioF();
    const QRectF exact(pixels.x() * scale, pixels.y() * scale, pixels.width() * scale, pixels.height() * scale);
    return exact.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QSize PictureBox::sizeHint() const
{
    return picture.size();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // The device painted on may be an image of another ratio than the screen's: the painter's
    // scale to device pixels says which.
    const QTransform toDevice = painter.deviceTransform();
    const int block = blockSizeAt(toDevice.m11());

    // Work in device pixels, with the picture's corner on the device pixel nearest the box's
    // corner (where the window system's clipping of the box starts too), so that every area
    // pixel becomes a block of exactly block × block device pixels at any device pixel ratio.
    const QPointF boxCorner = toDevice.map(QPointF(0, 0));
    const QPoint corner(qRound(boxCorner.x()), qRound(boxCorner.y()));
    const QRect asked = toDevice.mapRect(QRectF(event->rect())).toAlignedRect().translated(-corner);
    painter.setWorldTransform(QTransform::fromTranslate(corner.x(), corner.y()) * toDevice.inverted());

    const QRect shown(0, 0, picture.width() * block, picture.height() * block);
    // Beside the picture, if the box is larger, lies the background.
    for (const QRect &rest : QRegion(asked).subtracted(shown))
        painter.fillRect(rest, QColor::fromRgb(toQRgb(backColour)));

    const QRect pixels = QRect(QPoint(floorDiv(asked.left(), block), floorDiv(asked.top(), block)),
                               QPoint(floorDiv(asked.right(), block), floorDiv(asked.bottom(), block)))
                             .intersected(picture.rect());
    if (pixels.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(pixels.topLeft() * block, pixels.size() * block), picture, pixels);
}

} // namespace platform
