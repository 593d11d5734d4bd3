// The block geometry every drawing path shares: the multiple, the corner and the rectangles.
#include "platform/drawing/blockgeometry.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using platform::BlockGeometry;

struct GeometryCase
{
    const char *name;
    QSize available;
    qreal ratio;
    QPointF exactCorner;
    int multiple;
    QPoint corner;
};

// The picture is 256 × 192; ratios such as 1.1 are held only nearly and must not lose a whole block.
const GeometryCase geometryCases[] = {
    { "DesignedSizeAt100", { 256, 192 }, 1.0, { 0, 0 }, 1, { 0, 0 } },
    { "TooSmallStillOne", { 100, 50 }, 1.0, { 0, 0 }, 1, { 0, 0 } },
    { "WideIsBoundByHeight", { 2000, 384 }, 1.0, { 0, 0 }, 2, { 0, 0 } },
    { "At125", { 410, 308 }, 1.25, { 12.4, 7.6 }, 2, { 12, 8 } },
    { "At150", { 342, 256 }, 1.5, { 0.5, 1.5 }, 2, { 1, 2 } },
    { "At110", { 2560, 1920 }, 1.1, { 0, 0 }, 11, { 0, 0 } },
    { "At200", { 384, 288 }, 2.0, { 10, 20 }, 3, { 10, 20 } },
};

class Geometry : public ::testing::TestWithParam<GeometryCase>
{
};

TEST_P(Geometry, TheLargestWholeMultipleThatFitsFromTheNearestDevicePixel)
{
    const GeometryCase &c = GetParam();
    const BlockGeometry geometry({ 256, 192 }, c.available, c.ratio, c.exactCorner);
    EXPECT_EQ(geometry.multiple(), c.multiple);
    EXPECT_EQ(geometry.corner(), c.corner);
    // A pixel's block and the pixels meeting that block are each other's, left of the corner too.
    const int m = c.multiple;
    for (const QRect pixels : { QRect(0, 0, 1, 1), QRect(255, 191, 1, 1), QRect(3, 4, 5, 6), QRect(-2, -1, 1, 1) }) {
        const QRect device = geometry.deviceRectOf(pixels);
        EXPECT_EQ(device.size(), pixels.size() * m);
        EXPECT_EQ(geometry.pixelsMeeting(device), pixels);
        // Asked for repainting, the logical rectangle holds every device pixel of the block.
        const QRect logical = geometry.logicalRectOf(pixels);
        const QRectF inDevice(QPointF(logical.topLeft()) * c.ratio, QSizeF(logical.size()) * c.ratio);
        EXPECT_TRUE(inDevice.contains(QRectF(device.translated(-c.corner)))) << pixels.x() << "," << pixels.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Geometry, ::testing::ValuesIn(geometryCases), [](const auto &info) { return std::string(info.param.name); });

TEST(BlockGeometry, WholeNumbersAreFoundDespiteTheSlackOfBinaryFractions)
{
    EXPECT_EQ(BlockGeometry::wholeBelow(2.9999999), 3);
    EXPECT_EQ(BlockGeometry::wholeBelow(2.99), 2);
    EXPECT_EQ(BlockGeometry::wholeAbove(1.1 * 10), 11);
    EXPECT_EQ(BlockGeometry::wholeAbove(11.01), 12);
}

} // namespace
