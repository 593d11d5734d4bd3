// Bit text by repeated halving: the remainders, least significant first, written from the right.
#include "screen/bittext.h"

namespace screen {

std::string ByteToBits(std::uint8_t value)
{
    // All "0"s, the padding; the remainders of repeated halving then fill it from its right end,
    // which reverses them into the order of the text, most significant first.
    std::string text(BitTextLength, '0');
    int n = value;
    auto digit = text.end();
    do {
        const int half = n / 2;
        *--digit = static_cast<char>('0' + (n - 2 * half));
        n = half;
    } while (n >= 1);
    return text;
}

} // namespace screen
