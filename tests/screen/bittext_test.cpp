// The bit text of every byte value.
#include "screen/bittext.h"

#include <gtest/gtest.h>

#include <bitset>

namespace {

TEST(ByteToBits, EveryByteIsItsEightBitsMostSignificantFirst)
{
    for (int value = 0; value <= 255; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        EXPECT_EQ(screen::ByteToBits(byte), std::bitset<8>(static_cast<unsigned long>(value)).to_string()) << value;
    }
}

TEST(ByteToBits, KnownValues)
{
    const std::pair<int, const char *> known[] = {
        { 0, "00000000" }, { 1, "00000001" }, { 56, "00111000" }, { 71, "01000111" }, { 128, "10000000" }, { 255, "11111111" },
    };
    for (const auto &[value, text] : known)
        EXPECT_EQ(screen::ByteToBits(static_cast<std::uint8_t>(value)), text) << value;
}

} // namespace
