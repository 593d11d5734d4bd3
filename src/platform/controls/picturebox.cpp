// The picture box: a retained image painted in whole device pixels per area pixel, never smoothed.
#include "platform/controls/picturebox.h"

#include "platform/drawing/directdrawer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

QRgb toQRgb(screen::Colour colour)
{
    return screen::opaquePixelOf(colour);
}

// Assistive technology presents the box as a picture, not as an empty panel.
QAccessibleInterface *accessibleGraphic(const QString &className, QObject *object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
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
    , drawer(new DirectDrawer(*this))
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

void PictureBox::setBackColor(screen::Colour colour)
{
    backColour = colour;
    Cls();
}

void PictureBox::Cls()
{
    picture.fill(toQRgb(backColour));
    update();
}

void PictureBox::PSet(int x, int y, screen::Colour colour)
{
    if (!picture.valid(x, y))
        return;
    picture.setPixel(x, y, toQRgb(colour));
    // The cheap path draws the pixels set until the next event processing straight into the
    // backing store; otherwise each pixel takes a paint cycle.
    if (!drawer->take(x, y))
        update(boxRectOf(QRect(x, y, 1, 1)));
}

void PictureBox::setDirectDrawing(bool allowed)
{
    drawer->setAllowed(allowed);
}

bool PictureBox::drawsDirectly() const
{
    return drawer->applies();
}

void PictureBox::drawBeforeEventsOf(QtRunTime &runtime)
{
    drawer->drawBeforeEventsOf(runtime);
}

QPoint PictureBox::deviceCornerAt(qreal devicePixelRatio) const
{
    const QPointF corner = QPointF(mapTo(window(), QPoint(0, 0))) * devicePixelRatio;
    return QPoint(qRound(corner.x()), qRound(corner.y()));
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
