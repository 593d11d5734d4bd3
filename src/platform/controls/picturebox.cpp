// The picture box: a retained image painted in whole device pixels per area pixel, never smoothed.
#include "platform/controls/picturebox.h"

#include "platform/drawing/directdrawer.h"
#include "platform/drawing/framepacer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace platform {

namespace {

// Assistive technology presents the box as a picture, not as an empty panel.
QAccessibleInterface *accessibleGraphic(const QString &className, QObject *object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(int width, int height, QWidget *parent)
    : QWidget(parent)
    , picture(width, height, QImage::Format_RGB32)
    , drawer(new DirectDrawer(*this, picture))
    , pacer(new FramePacer(*this))
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
    picture.fill(screen::opaquePixelOf(backColour));
    update();
}

void PictureBox::PSet(int x, int y, screen::Colour colour)
{
    if (!picture.valid(x, y))
        return;
    picture.setPixel(x, y, screen::opaquePixelOf(colour));
    // The cheap path draws the pixels set until the next event processing straight into the
    // backing store; otherwise they take a paint cycle, at the compositor's pace where it has one.
    if (!drawer->take(x, y))
        pacer->update(BlockGeometry(picture.size(), size(), devicePixelRatioF()).logicalRectOf(QRect(x, y, 1, 1)));
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
    // Work in device pixels, so that every area pixel becomes a block of exactly m × m device
    // pixels at any device pixel ratio, from the corner the direct drawer uses too.
    const BlockGeometry geometry(picture.size(), size(), toDevice.m11(), toDevice.map(QPointF(0, 0)));
    const QRect asked = toDevice.mapRect(QRectF(event->rect())).toAlignedRect();
    painter.setWorldTransform(toDevice.inverted());

    // Beside the picture, if the box is larger, lies the background.
    for (const QRect &rest : QRegion(asked).subtracted(geometry.deviceRectOf(picture.rect())))
        painter.fillRect(rest, QColor::fromRgb(screen::opaquePixelOf(backColour)));

    const QRect pixels = geometry.pixelsMeeting(asked).intersected(picture.rect());
    if (pixels.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(geometry.deviceRectOf(pixels), picture, pixels);
}

} // namespace platform
