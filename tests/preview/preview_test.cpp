// The preview core's bound: whatever size a caller asks for, the preview is at most 4096 wide.
#include "preview/preview.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Preview, EverySizeAskedForIsBounded)
{
    struct Case
    {
        int asked, width, height;
    };
    const Case cases[] = { { INT_MIN, 1, 1 }, { 0, 1, 1 }, { 1, 1, 1 }, { 4096, 4096, 3072 }, { 4097, 4096, 3072 }, { INT_MAX, 4096, 3072 } };
    const preview::Image picture { 256, 192, std::vector<std::uint32_t>(256 * 192, 0xFF000000u) };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.asked);
        const preview::Image sized = preview::sizedForPreview(picture, c.asked);
        EXPECT_EQ(sized.width, c.width);
        EXPECT_EQ(sized.height, c.height);
        EXPECT_EQ(sized.pixels.size(), std::size_t(c.width) * std::size_t(c.height));
    }
}

} // namespace
