// A preview encoded as PNG in memory, so that its file is only written once the whole of it exists.
#pragma once

#include "preview/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace thumbnailer {

struct EncodedPng
{
    std::vector<std::uint8_t> bytes; // empty when encoding failed
    std::string error;               // libpng's reason, when it did
};

// A picture of at most 256 colours becomes a palette PNG (4 bits a pixel for up to 16 colours, as
// every screen has); one with more, as a reduced preview may have, an RGB PNG.
EncodedPng encodePng(const preview::Image &picture);

} // namespace thumbnailer
