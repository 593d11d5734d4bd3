// Fuzz target: a preview at any size a file manager may ask for. The first two bytes choose the
// size (1 to 1024), the rest is the screen file; the preview core draws and sizes it, and it must
// be whole blocks of the independent decode when enlarged, and within the range of the pixels
// each one covers when reduced.
#include "fuzzinput.h"
#include "preview/preview.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int previewSize = 1 + (data[0] << 8 | data[1]) % 1024;
    const fuzzing::MemoryFile file(data + 2, size - 2);
    const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(std::vector<std::uint8_t>(data + 2, data + size));
    if (!fuzzing::previewMatches(preview::screenPreview(file.path(), previewSize), expected, previewSize))
        std::abort();
    return 0;
}
