// Previews drawn by the same renderer the viewer uses, into plain memory instead of a window.
#include "preview/preview.h"

#include "platform/fileruntime/fileruntime.h"
#include "preview/bufferpicture.h"
#include "screen/colour.h"
#include "screen/screenlayout.h"
#include "screen/screenrenderer.h"

#include <algorithm>
#include <cmath>

namespace preview {

namespace {

// The file run time as it is, final: the renderer drawn for it and for the final in-memory picture
// calls both directly, without looking up either for every pixel.
class PreviewRunTime final : public platform::FileRunTime
{
};

Image enlarged(const Image &picture, int factor)
{
    Image large { picture.width * factor, picture.height * factor, {} };
    large.pixels.reserve(std::size_t(large.width) * std::size_t(large.height));
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.pixels.push_back(picture.at(x / factor, y / factor));
    return large;
}

// How one output pixel covers the input along one axis: from which input pixel, with what share
// of each; the shares add up to 1.
struct Cover
{
    int first = 0;
    std::vector<double> shares;
};

std::vector<Cover> covers(int from, int to)
{
    std::vector<Cover> result(std::size_t(to), Cover {});
    const double step = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double begin = i * step, end = (i + 1) * step;
        Cover &cover = result[std::size_t(i)];
        cover.first = int(begin);
        for (int source = cover.first; source < from && source < end; ++source)
            cover.shares.push_back((std::min(end, source + 1.0) - std::max(begin, double(source))) / step);
    }
    return result;
}

Image reduced(const Image &picture, int width, int height)
{
    const std::vector<Cover> across = covers(picture.width, width), down = covers(picture.height, height);
    Image small { width, height, {} };
    small.pixels.reserve(std::size_t(width) * std::size_t(height));
    for (const Cover &rows : down)
        for (const Cover &columns : across) {
            double sum[3] = { 0, 0, 0 };
            for (std::size_t j = 0; j < rows.shares.size(); ++j)
                for (std::size_t i = 0; i < columns.shares.size(); ++i) {
                    const std::uint32_t pixel = picture.at(columns.first + int(i), rows.first + int(j));
                    const double share = rows.shares[j] * columns.shares[i];
                    sum[0] += share * double(pixel >> 16 & 0xFF);
                    sum[1] += share * double(pixel >> 8 & 0xFF);
                    sum[2] += share * double(pixel & 0xFF);
                }
            const auto channel = [](double value) { return int(std::clamp(std::lround(value), 0L, 255L)); };
            small.pixels.push_back(screen::opaquePixelOf(screen::Rgb(channel(sum[0]), channel(sum[1]), channel(sum[2]))));
        }
    return small;
}

} // namespace

Image sizedForPreview(Image picture, int size)
{
    size = std::clamp(size, 1, LargestPreviewSize);
    if (size >= picture.width) {
        const int factor = size / picture.width;
        if (factor == 1)
            return picture; // the picture itself, not a copy, at its own size
        return enlarged(picture, factor);
    }
    return reduced(picture, size, std::max(1, size * picture.height / picture.width));
}

Image screenPreview(const std::string &path, int size)
{
    PreviewRunTime runtime;
    BufferPicture picture(screen::ScreenWidth, screen::ScreenHeight);
    screen::BasicScreenRenderer<BufferPicture, PreviewRunTime> renderer(picture, runtime);
    runtime.files().open(screen::ScreenFileNumber, path);
    renderer.ShowScreen(); // closes the file however it ends; a failed read throws
    return sizedForPreview(picture.takeImage(), size);
}

} // namespace preview
