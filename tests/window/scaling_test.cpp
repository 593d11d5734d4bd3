// The window scaled to whole device pixels per picture pixel; run at several device pixel ratios.
#include "window/windowfixture.h"

#include "window/scaledlayout.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <cmath>
#include <functional>

namespace windowtest {
namespace {

class Scaling : public WindowFixture
{
protected:
    qreal ratio() { return window.devicePixelRatioF(); }

    // Gives the client area this size and lets the window settle.
    void resizeClient(QSize size)
    {
        window.resize(size.width(), size.height() + window.menuBar()->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(window.centralWidget()->size(), size);
    }

    // Every picture pixel is an m × m block of device pixels of its expected colour.
    void expectBlocks(const std::vector<testsupport::Rgb> &expected, int m)
    {
        QCoreApplication::processEvents();
        const QImage shown = window.grab().toImage(); // in device pixels, painted as on screen
        const QPointF corner = QPointF(pb()->mapTo(&window, QPoint(0, 0))) * ratio();
        const QPoint origin(qRound(corner.x()), qRound(corner.y()));
        ASSERT_GE(shown.width(), origin.x() + 256 * m);
        ASSERT_GE(shown.height(), origin.y() + 192 * m);
        int wrong = 0;
        for (int y = 0; y < 192 * m; ++y)
            for (int x = 0; x < 256 * m; ++x) {
                const QColor c = shown.pixelColor(origin + QPoint(x, y));
                const testsupport::Rgb want = expected[(y / m) * 256 + x / m];
                if (testsupport::Rgb { c.red(), c.green(), c.blue() } != want && ++wrong <= 3)
                    ADD_FAILURE() << "device pixel " << x << "," << y << " at m = " << m << ", ratio " << ratio();
            }
        EXPECT_EQ(wrong, 0);
    }

    // Draws a.scr, calling change at the yields given, one in the bitmap pass and one in the colour pass.
    void drawChangingAt(int inBitmap, int inColours, const std::function<void(bool colourPass)> &change)
    {
        int yields = 0;
        QTimer during;
        QObject::connect(&during, &QTimer::timeout, [&] {
            if (++yields == inBitmap || yields == inColours)
                change(yields == inColours);
        });
        during.start(0);
        selectFile("a.scr");
        during.stop();
        ASSERT_GT(yields, inColours);
    }

    // Moves the window onto the screen given, as a user drags it there, and lets it settle.
    void moveTo(QScreen *target)
    {
        window.windowHandle()->setScreen(target);
        window.move(target->geometry().topLeft() + QPoint(20, 20));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the layout made after the first paint at the new ratio
    }
};

TEST_F(Scaling, TheWindowOpensAtTheSmallestWholeMultipleAtLeastTheDesignedSize)
{
    const int m = int(std::ceil(ratio() - 1e-9));
    EXPECT_EQ(pb()->blocks().multiple(), m);
    EXPECT_EQ(window.centralWidget()->minimumSize(), QSize(402, 286));
}

TEST_F(Scaling, EveryControlIsScaledAndCentredAndThePictureIsInWholeBlocks)
{
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(7);
    dir.write("a.scr", screen);
    Dir1()->setPath(q(dir.path()));
    selectFile("a.scr");
    const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(screen);

    ScaledLayout sizes(nullptr, QSize(402, 286));
    const QSize two = sizes.clientSize(2, ratio()), three = sizes.clientSize(3, ratio());
    struct Case
    {
        QSize client;
        int m;
    };
    const Case cases[] = {
        { QSize(402, 286), 1 }, // the smallest window; at 200 % that is already m = 2
        { two, 2 },
        { QSize((two.width() + three.width()) / 2, three.height()), 2 }, // between: too narrow for 3
        { three + QSize(0, 100), 3 }, // taller than needed: centred down the middle
    };
    struct Control
    {
        QWidget *widget;
        QRect designed;
    };
    for (const Case &c : cases) {
        if (c.m == 1 && ratio() >= 2)
            continue; // the smallest window already holds two device pixels per pixel
        resizeClient(c.client);
        ASSERT_EQ(pb()->blocks().multiple(), c.m) << c.client.width() << "x" << c.client.height();
        const qreal s = c.m / ratio();
        const QPointF margin((c.client.width() - 402 * s) / 2, (c.client.height() - 286 * s) / 2);
        const Control controls[] = {
            { pb(), { 72, 48, 256, 192 } },
            { frameNavigator(), { 40, 24, 321, 225 } },
            { Drive1(), { 8, 24, 97, 21 } },
            { Dir1(), { 120, 24, 177, 81 } },
            { File1(), { 16, 120, 281, 84 } },
        };
        for (const Control &control : controls) {
            const QPointF offset = control.widget->parentWidget() == window.centralWidget() ? margin : QPointF();
            const QRectF want(offset + QPointF(control.designed.topLeft()) * s, QSizeF(control.designed.size()) * s);
            const QRect got = control.widget->geometry();
            for (const qreal error : { got.left() - want.left(), got.top() - want.top(), got.width() - want.width(), got.height() - want.height() })
                EXPECT_LT(std::abs(error), 2.0) << control.widget->objectName().toStdString() << " at m = " << c.m;
        }
        expectBlocks(expected, c.m);
    }
}

TEST_F(Scaling, AResizeDuringARenderKeepsWhatWasDrawnAndTheRenderGoesOn)
{
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(8);
    dir.write("a.scr", screen);
    Dir1()->setPath(q(dir.path()));
    ScaledLayout sizes(nullptr, QSize(402, 286));
    drawChangingAt(20000, 49152 + 100, [&](bool colourPass) { // once in each pass
        window.resize(sizes.clientSize(colourPass ? 2 : 3, ratio()) + QSize(0, window.menuBar()->height()));
    });
    expectBlocks(testsupport::decodeScreen(screen), 2);
    EXPECT_EQ(picture(), testsupport::decodeScreen(screen));
}

TEST_F(Scaling, TheLayoutFollowsTheDevicePixelRatioOfEveryScreenTheWindowMovesTo)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        GTEST_SKIP() << "one screen; the offscreen platform's configuration window/screens.json has several";
    const std::vector<std::uint8_t> screen = testsupport::patternedScreen(9);
    const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(screen);
    dir.write("a.scr", screen);
    Dir1()->setPath(q(dir.path()));
    ScaledLayout sizes(nullptr, QSize(402, 286));

    // Moved while it is drawn, in each pass: what was drawn stays and the drawing goes on.
    drawChangingAt(20000, 49152 + 100, [&](bool colourPass) { moveTo(screens.at(colourPass ? 2 : 1)); });
    EXPECT_EQ(picture(), expected);

    // At its own size it follows the start rule on every screen, and takes it again when a
    // compositor hands back the start size of the screen before (GNOME Shell does, when the ratio
    // arrives after the first frame), which is no resize of the user's; resized by its user, it
    // keeps that size and shows the largest multiple that fits.
    for (const QSize resized : { QSize(), QSize(1300, 930) }) {
        if (resized.isValid())
            resizeClient(resized);
        for (QScreen *target : screens) {
            const QSize before = window.size();
            moveTo(target);
            if (!resized.isValid() && window.size() != before) {
                const QSize start = window.size();
                window.resize(before);
                EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == start; })) << target->name().toStdString();
            }
            const int m = resized.isValid() ? sizes.fittingMultiple(resized, ratio()) : ScaledLayout::startMultiple(ratio());
            if (resized.isValid())
                EXPECT_EQ(window.centralWidget()->size(), resized) << target->name().toStdString();
            else // whole device pixels each way, which a compositor shows without resampling
                EXPECT_EQ(window.size(), ScaledLayout::wholeInDevicePixels(window.size(), ratio())) << target->name().toStdString();
            expectBlocks(expected, m);
        }
    }
}

} // namespace
} // namespace windowtest
