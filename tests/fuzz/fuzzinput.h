// What both fuzz targets share: the input as a file the file table opens by path, and the check
// of a preview against the independent decode.
#pragma once

#include "preview/image.h"
#include "support/screendecode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzing {

// The bytes as a file in memory, closed when it ends; path() names it for the file table.
class MemoryFile
{
public:
    MemoryFile(const std::uint8_t *data, std::size_t size);
    ~MemoryFile();
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    std::string path() const;

private:
    int descriptor;
};

// Whether a preview of size is the decoded picture sized as previews are: whole blocks of it when
// enlarged, each pixel within the range of the pixels it covers when reduced.
bool previewMatches(const preview::Image &image, const std::vector<testsupport::Rgb> &picture, int size);

} // namespace fuzzing
