// A file manager's preview of a screen file: the finished picture at the size asked for.
#pragma once

#include "preview/image.h"

#include <memory_resource>
#include <string>

namespace preview {

// Draws the screen file at path with the viewer's own renderer, without pauses, and sizes it for
// a preview of size × size. Throws platform::RunTimeError when the file cannot be opened or read.
// The picture, the renderer's pixel grid while it draws and the sized image take their memory
// from memory, which must outlive the image.
Image screenPreview(const std::string &path, int size, std::pmr::memory_resource *memory = std::pmr::get_default_resource());

// A picture sized for a preview of size × size: for sizes from its width up, enlarged by the
// largest whole factor that fits, every pixel a square block; below, reduced to that width,
// keeping its shape, each pixel the average of the pixels it covers. The sized image takes its
// memory where the picture has its own.
Image sizedForPreview(Image picture, int size);

} // namespace preview
