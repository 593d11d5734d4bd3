// Benchmarks of the render's own work, without its pacing: bit texts, byte reads and whole renders.
#include "platform/controls/picturebox.h"
#include "platform/fileruntime/filetable.h"
#include "screen/bittext.h"
#include "screen/picturearea.h"
#include "screen/runtime.h"
#include "screen/screenlayout.h"
#include "screen/screenrenderer.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// A screen file in the temporary folder for the length of one benchmark.
class ScreenFile
{
public:
    ScreenFile()
        : path((std::filesystem::temp_directory_path() / ("tarnvel-bench-" + std::to_string(::getpid()) + ".scr")).string())
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < screen::ScreenFileBytes; ++i)
            out.put(static_cast<char>(i * 37));
    }
    ~ScreenFile() { std::remove(path.c_str()); }
    const std::string path;
};

// Reads the real file; yields cost nothing, so only the render's own work is measured.
class FileOnly : public screen::RunTime
{
public:
    explicit FileOnly(const std::string &path) : path(path) {}
    void reopen() { files.open(1, path); }
    void get(int number, long position, std::uint8_t &byte) override { files.get(number, position, byte); }
    void closeAll() override { files.closeAll(); }
    void doEvents() override {}
    void Sleep(int) override {}

private:
    std::string path;
    platform::FileTable files;
};

class NoPicture : public screen::PictureArea
{
public:
    void Cls() override {}
    void PSet(int x, int y, screen::Colour colour) override { benchmark::DoNotOptimize(x + y + static_cast<int>(colour)); }
};

void ByteToBits(benchmark::State &state)
{
    std::uint8_t value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(screen::ByteToBits(value++));
}
BENCHMARK(ByteToBits);

void ReadAScreenByteByByte(benchmark::State &state)
{
    ScreenFile file;
    platform::FileTable files;
    files.open(1, file.path);
    std::uint8_t byte = 0;
    for (auto _ : state) {
        for (long position = 1; position <= screen::ScreenFileBytes; ++position)
            files.get(1, position, byte);
        benchmark::DoNotOptimize(byte);
    }
}
BENCHMARK(ReadAScreenByteByByte);

void RenderWithoutDrawing(benchmark::State &state)
{
    ScreenFile file;
    FileOnly runtime(file.path);
    NoPicture picture;
    screen::ScreenRenderer renderer(picture, runtime);
    for (auto _ : state) {
        runtime.reopen();
        renderer.ShowScreen();
    }
}
BENCHMARK(RenderWithoutDrawing)->Unit(benchmark::kMillisecond);

void RenderIntoAPictureBox(benchmark::State &state)
{
    ScreenFile file;
    FileOnly runtime(file.path);
    platform::PictureBox picture(screen::ScreenWidth, screen::ScreenHeight);
    screen::ScreenRenderer renderer(picture, runtime);
    for (auto _ : state) {
        runtime.reopen();
        renderer.ShowScreen();
    }
}
BENCHMARK(RenderIntoAPictureBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
