// A file manager's preview of a screen file: the finished picture at the size asked for.
#pragma once

#include "preview/image.h"

#include <string>

namespace preview {

// The largest preview drawn, 4096 × 3072 pixels (48 MiB): a file manager asks for 1024 at most,
// and a caller that asks for more gets this size rather than a picture as large as it names.
constexpr int LargestPreviewSize = 4096;

// Draws the screen file at path with the viewer's own renderer, without pauses, and sizes it for
// a preview of size × size, size bounded to 1 to LargestPreviewSize. Throws
// platform::RunTimeError when the file cannot be opened or read, std::bad_alloc when memory runs short.
Image screenPreview(const std::string &path, int size);

// A picture sized for a preview of size × size: for sizes from its width up, enlarged by the
// largest whole factor that fits, every pixel a square block; below, reduced to that width,
// keeping its shape, each pixel the average of the pixels it covers.
Image sizedForPreview(Image picture, int size);

} // namespace preview
