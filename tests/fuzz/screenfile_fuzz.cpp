// Fuzz target: any bytes, as a file of any length, read through the file table and drawn by the
// viewer's renderer; the picture must be the independent decode of the file's first 6912 bytes.
// The preview core, which file managers' processes load, draws the same file at its own size
// and must give the same picture.
#include "fuzzinput.h"
#include "platform/fileruntime/fileruntime.h"
#include "preview/preview.h"
#include "screen/screenrenderer.h"
#include "support/memorypicture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzzing::MemoryFile file(data, size);
    platform::FileRunTime runtime;
    testsupport::MemoryPicture picture;
    screen::ScreenRenderer renderer(picture, runtime);
    runtime.files().open(screen::ScreenFileNumber, file.path());
    if (renderer.ShowScreen() != screen::ScreenRenderer::Outcome::Complete || runtime.files().openCount() != 0)
        std::abort();
    const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(std::vector<std::uint8_t>(data, data + size));
    if (picture.outside != 0 || picture.pixels != expected)
        std::abort();
    if (!fuzzing::previewMatches(preview::screenPreview(file.path(), 256), expected, 256))
        std::abort();
    return 0;
}
