// Bit text by repeated halving: the remainders, least significant first, reversed and padded to eight.
#include "screen/bittext.h"

#include <algorithm>

namespace screen {

std::string ByteToBits(std::uint8_t value)
{
    int n = value;
    std::string text;
    do {
        const int half = n / 2;
        const int digit = n - 2 * half;
        n = half;
        text += static_cast<char>('0' + digit);
    } while (n >= 1);
    std::reverse(text.begin(), text.end());

    const std::int16_t pad = static_cast<std::int16_t>(8 - static_cast<int>(text.size()));
    if (pad < 8)
        text.insert(0, static_cast<std::size_t>(pad), '0');
    return text;
}

} // namespace screen
