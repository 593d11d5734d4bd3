// The picture box on a real widget: background, pixels, what reaches the screen, and a whole render.
#include "platform/controls/picturebox.h"
#include "platform/runtime/qtruntime.h"
#include "screen/screenrenderer.h"
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What the screen shows of a top-level widget: its window as the platform composed it.
QImage onScreen(QWidget &window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Area pixel (x, y) as the device pixels of box's window show it: the colour of its block when
// every device pixel of the block has it, and an impossible colour when they differ.
QRgb shownPixel(const QImage &device, const platform::PictureBox &box, int x, int y)
{
    const int block = box.blocks().multiple();
    const QPoint corner = box.blocks().corner() + QPoint(x, y) * block;
    const QRgb colour = device.pixel(corner);
    for (int dy = 0; dy < block; ++dy)
        for (int dx = 0; dx < block; ++dx)
            if (device.pixel(corner + QPoint(dx, dy)) != colour)
                return 0x01020304u;
    return colour & 0xFFFFFFu;
}

std::vector<testsupport::Rgb> shownPicture(const QImage &device, const platform::PictureBox &box)
{
    std::vector<testsupport::Rgb> pixels;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb c = shownPixel(device, box, x, y);
            pixels.push_back({ qRed(c), qGreen(c), qBlue(c) });
        }
    return pixels;
}

// Each test of what reaches the screen runs on every path: pixels drawn straight into the backing
// store, either by the box's own posted event or by the run time before it processes events, and
// Qt's paint cycle.
struct DrawingPath
{
    const char *name;
    bool direct;
    bool refreshedByRunTime;
    void use(platform::PictureBox &box, platform::QtRunTime &runtime) const
    {
        box.setDirectDrawing(direct);
        if (refreshedByRunTime)
            box.drawBeforeEventsOf(runtime);
    }
};

class BothPaths : public ::testing::TestWithParam<DrawingPath>
{
};
INSTANTIATE_TEST_SUITE_P(PictureBox, BothPaths,
                         ::testing::Values(DrawingPath { "posted", true, false }, DrawingPath { "refreshed", true, true },
                                           DrawingPath { "painted", false, false }),
                         [](const auto &info) { return info.param.name; });

TEST(PictureBox, ClsFillsWithTheBackgroundAndPSetSetsOnePixel)
{
    platform::PictureBox box(256, 192);
    box.setBackColor(screen::Rgb(220, 220, 220));
    box.PSet(3, 4, screen::Rgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(3, 4), qRgb(255, 0, 0));
    box.PSet(-1, 0, screen::Rgb(1, 1, 1)); // outside: ignored
    box.PSet(256, 191, screen::Rgb(1, 1, 1));
    box.Cls();
    for (const QPoint p : { QPoint(0, 0), QPoint(3, 4), QPoint(255, 191) })
        EXPECT_EQ(box.image().pixel(p), qRgb(220, 220, 220));
}

TEST_P(BothPaths, APixelIsOnScreenAfterOneEventProcessing)
{
    QWidget window;
    window.resize(300, 220);
    platform::PictureBox box(256, 192, &window);
    box.move(10, 10);
    box.setBackColor(screen::Rgb(220, 220, 220));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    platform::QtRunTime runtime;
    GetParam().use(box, runtime);
    ASSERT_EQ(box.drawsDirectly(), GetParam().direct) << "the path under test is the one taken";
    box.PSet(100, 50, screen::Rgb(0, 0, 255));
    runtime.doEvents();
    EXPECT_EQ(shownPixel(onScreen(window), box, 100, 50), qRgb(0, 0, 255) & 0xFFFFFFu);
    EXPECT_EQ(shownPixel(onScreen(window), box, 101, 50), qRgb(220, 220, 220) & 0xFFFFFFu);
}

TEST_P(BothPaths, EveryPixelSetBetweenTwoEventProcessingsReachesTheScreen)
{
    // The whole picture at once: on X11 more pixels than one request carries.
    QWidget window;
    window.resize(256, 192);
    platform::PictureBox box(256, 192, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    platform::QtRunTime runtime;
    GetParam().use(box, runtime);
    runtime.doEvents();
    std::vector<testsupport::Rgb> expected;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x) {
            const int red = x, green = y, blue = (x * y) & 0xFF;
            box.PSet(x, y, screen::Rgb(red, green, blue));
            expected.push_back({ red, green, blue });
        }
    runtime.doEvents();
    EXPECT_EQ(shownPicture(onScreen(window), box), expected);
}

TEST_P(BothPaths, KeepsItsPictureUnderAWidgetInFront)
{
    QWidget window;
    window.resize(300, 220);
    platform::PictureBox box(256, 192, &window);
    QLabel front(QStringLiteral("front"), &window);
    front.setAutoFillBackground(true);
    front.setStyleSheet(QStringLiteral("background: rgb(0, 128, 0)"));
    front.setGeometry(20, 20, 100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    platform::QtRunTime runtime;
    GetParam().use(box, runtime);
    ASSERT_EQ(box.drawsDirectly(), GetParam().direct) << "the path under test is the one taken";
    for (int x = 0; x < 256; ++x)
        box.PSet(x, 60, screen::Rgb(255, 255, 0));
    runtime.doEvents();
    const QImage shown = onScreen(window);
    EXPECT_EQ(shownPixel(shown, box, 5, 60), qRgb(255, 255, 0) & 0xFFFFFFu);
    // Every device pixel the widget in front covers, to its edges, is still its own.
    const QRect frontPixels = QRectF(QPointF(front.pos()) * box.devicePixelRatioF(), QSizeF(front.size()) * box.devicePixelRatioF()).toAlignedRect();
    const int line = box.blocks().corner().y() + 60 * box.blocks().multiple();
    for (const int x : { frontPixels.left() + 1, frontPixels.center().x(), frontPixels.right() - 1 })
        EXPECT_EQ(shown.pixel(x, line), qRgb(0, 128, 0)) << "the widget in front is drawn over at " << x;
    // Once it is gone, the picture beneath is there, drawn while it was covered.
    front.hide();
    runtime.doEvents();
    EXPECT_EQ(shownPixel(onScreen(window), box, 60, 60), qRgb(255, 255, 0) & 0xFFFFFFu);
}

TEST_P(BothPaths, AWholeRenderOnScreenEqualsTheDecode)
{
    testsupport::TempDir dir;
    const auto bytes = testsupport::patternedScreen(21);
    const std::string path = dir.write("pattern.scr", bytes);

    QWidget window;
    window.resize(256, 192);
    platform::PictureBox box(256, 192, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    platform::QtRunTime runtime;
    GetParam().use(box, runtime);
    ASSERT_EQ(box.drawsDirectly(), GetParam().direct) << "the path under test is the one taken";
    runtime.files().open(1, path);
    screen::ScreenRenderer renderer(box, runtime);
    ASSERT_EQ(renderer.ShowScreen(), screen::ScreenRenderer::Outcome::Complete);
    runtime.doEvents();
    EXPECT_EQ(runtime.files().openCount(), 0);
    EXPECT_EQ(shownPicture(onScreen(window), box), testsupport::decodeScreen(bytes));
    EXPECT_EQ(shownPicture(window.grab().toImage().convertToFormat(QImage::Format_RGB32), box), testsupport::decodeScreen(bytes));
}

TEST(PictureBox, EachPixelBecomesASharpBlockAtTwiceTheScale)
{
    platform::PictureBox box(256, 192);
    box.PSet(10, 10, screen::Rgb(255, 255, 255));
    QImage doubled(512, 384, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2);
    box.render(&doubled);
    for (const QPoint p : { QPoint(20, 20), QPoint(21, 20), QPoint(20, 21), QPoint(21, 21) })
        EXPECT_EQ(doubled.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
    EXPECT_EQ(doubled.pixel(22, 20), qRgb(0, 0, 0));
    EXPECT_EQ(doubled.pixel(19, 21), qRgb(0, 0, 0));
}

} // namespace
