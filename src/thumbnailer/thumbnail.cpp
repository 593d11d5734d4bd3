// Previews drawn by the same renderer the viewer uses, into an image instead of a window.
#include "thumbnailer/thumbnail.h"

#include "platform/runtime/fileruntime.h"
#include "screen/screenlayout.h"
#include "screen/screenrenderer.h"
#include "thumbnailer/imagepicture.h"

#include <algorithm>

QImage screenThumbnail(const std::string &path, int size)
{
    platform::FileRunTime runtime;
    ImagePicture picture(screen::ScreenWidth, screen::ScreenHeight);
    screen::ScreenRenderer renderer(picture, runtime);
    runtime.files().open(screen::ScreenFileNumber, path);
    renderer.ShowScreen(); // closes the file however it ends; a failed read throws

    if (size >= screen::ScreenWidth) {
        const int factor = size / screen::ScreenWidth;
        return picture.image().scaled(screen::ScreenWidth * factor, screen::ScreenHeight * factor, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
    }
    return picture.image().scaled(std::max(size, 1), std::max(size, 1), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
