// The bit text of a byte: eight "0"/"1" characters, most significant bit first.
#pragma once

#include <cstdint>
#include <string>

namespace screen {

// Every bit text is this long, zeros in front where the number needs fewer digits.
constexpr std::size_t BitTextLength = 8;

// Builds the text by repeated halving; the caller's byte is taken by value and stays as it was.
std::string ByteToBits(std::uint8_t value);

// The number 0 or 1 that the character at 1-based position of a bit text stands for. Inline: the
// renderer reads seven of them for every pixel of its colour pass.
inline int bitAt(const std::string &bits, int position)
{
    return bits[static_cast<std::size_t>(position - 1)] - '0';
}

} // namespace screen
