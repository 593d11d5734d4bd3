// Frame pacing: areas wait for the window's next frame, and a frame that never comes holds nothing back.
#include "platform/drawing/framepacer.h"

#include <QExposeEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// A widget that keeps the areas it was asked to paint.
class Canvas : public QWidget
{
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *event) override { painted += event->region(); }
};

// Drops the window's frames, as Qt does with the update request it held when a compositor's frame came late.
class LostFrames : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::UpdateRequest; }
};

// Whether area is painted within two seconds; what was painted is then forgotten.
bool paintedWithin(Canvas &canvas, const QRect &area)
{
    const bool painted = QTest::qWaitFor([&] { return canvas.painted.contains(area); }, 2000);
    canvas.painted = QRegion();
    return painted;
}

TEST(FramePacer, AreasWaitForAFrameAndAFrameLostIsMadeGoodWhenTheWindowShowsAgain)
{
    Canvas canvas;
    canvas.resize(64, 64);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    platform::FramePacer pacer(canvas, true);
    EXPECT_TRUE(paintedWithin(canvas, QRect(0, 0, 64, 64)));

    const QRect first(1, 1, 2, 2), lost(10, 10, 2, 2), after(20, 20, 2, 2);
    pacer.update(first); // the pacer watches the window from here on, before the frames are dropped
    EXPECT_TRUE(paintedWithin(canvas, first)) << "not painted with the next frame";

    LostFrames dropping;
    canvas.windowHandle()->installEventFilter(&dropping);
    pacer.update(lost);
    QTest::qWait(100);
    canvas.windowHandle()->removeEventFilter(&dropping);
    EXPECT_FALSE(canvas.painted.intersects(lost)) << "painted without a frame";

    QExposeEvent shownAgain(QRegion(canvas.rect()));
    QCoreApplication::sendEvent(canvas.windowHandle(), &shownAgain);
    EXPECT_TRUE(paintedWithin(canvas, lost)) << "the area of the lost frame waits for ever";
    pacer.update(after);
    EXPECT_TRUE(paintedWithin(canvas, after)) << "no frame asked for after the lost one";
}

} // namespace
