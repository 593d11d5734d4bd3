// A file manager's preview of a screen file: the finished picture at the size asked for.
#pragma once

#include "preview/image.h"

#include <string>

namespace preview {

// Draws the screen file at path with the viewer's own renderer, without pauses, and sizes it for
// a preview of size × size. Throws platform::RunTimeError when the file cannot be opened or read.
Image screenPreview(const std::string &path, int size);

// A picture sized for a preview of size × size: for sizes from its width up, enlarged by the
// largest whole factor that fits, every pixel a square block; below, reduced to that width,
// keeping its shape, each pixel the average of the pixels it covers.
Image sizedForPreview(Image picture, int size);

} // namespace preview
