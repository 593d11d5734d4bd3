// The large-page arena: what fits comes from its own mapping, aligned; the rest, and everything
// once it cannot map, from the heap, which gets back what it gave.
#include "preview/largepagearena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using preview::LargePageArena;

TEST(LargePageArena, HandsOutItsPagesAlignedThenTheHeap)
{
    struct Case
    {
        std::size_t capacity;
        std::vector<std::size_t> sizes;
        std::vector<bool> fromArena;
    };
    const std::size_t page = LargePageArena::LargePage;
    const Case cases[] = {
        { page, { 786432, 196608, 49152 }, { true, true, true } },       // a preview's grid, picture and indices
        { 1, { 3, page - 64, 16 }, { true, true, false } },              // rounded up to a page, filled to its end, then the heap
        { page, { page + 1, 64 }, { false, true } },                     // too large for it, yet the next one fits
        { 0, { 64 }, { false } },                                       // no mapping at all
    };
    for (const Case &test : cases) {
        LargePageArena arena(test.capacity);
        std::vector<void *> given;
        for (std::size_t i = 0; i < test.sizes.size(); ++i) {
            void *p = arena.allocate(test.sizes[i], 64);
            EXPECT_EQ(arena.holds(p), test.fromArena[i]) << test.capacity << " #" << i;
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u);
            std::memset(p, 0xA5, test.sizes[i]); // the whole of it is usable
            given.push_back(p);
        }
        for (std::size_t i = 0; i < given.size(); ++i)
            arena.deallocate(given[i], test.sizes[i], 64); // heap memory is freed; a leak would show under the sanitizers
    }
}

TEST(LargePageArena, ContainersDrawnInItStayInIt)
{
    LargePageArena arena(LargePageArena::LargePage);
    std::pmr::vector<std::uint32_t> pixels(256 * 192, &arena);
    EXPECT_TRUE(arena.holds(pixels.data()));
    std::pmr::vector<std::uint32_t> moved(std::move(pixels));
    EXPECT_TRUE(arena.holds(moved.data()));
    EXPECT_FALSE(arena.is_equal(*std::pmr::new_delete_resource()));
}

} // namespace
