// The preview program: exact enlargements, averaged reductions, and refusals that write nothing.
#include "support/process.h"
#include "support/screendecode.h"
#include "support/tempdir.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct ChildRun
{
    int status;
    QByteArray errors;
};

ChildRun thumbnail(const std::string &input, const std::string &output, int size, const std::string &program = TARNVEL_THUMBNAILER)
{
    QProcess child;
    child.start(QString::fromStdString(program),
                { QStringLiteral("-s"), QString::number(size), QString::fromStdString(input), QString::fromStdString(output) });
    EXPECT_TRUE(child.waitForFinished(30000));
    return { child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1, child.readAllStandardError() };
}

testsupport::Rgb at(const std::vector<testsupport::Rgb> &picture, int x, int y)
{
    return picture[std::size_t(std::clamp(y, 0, 191) * 256 + std::clamp(x, 0, 255))];
}

TEST(Thumbnailer, EnlargesByWholeBlocksAndReducesByAveraging)
{
    testsupport::TempDir dir;
    const std::string output = dir.path() + "/preview.png";
    for (const std::size_t length : { 0, 3000, 6144, 6912, 9000 }) {
        std::vector<std::uint8_t> bytes = testsupport::patternedScreen(unsigned(length) + 1);
        bytes.resize(length, 0x5A);
        const std::vector<testsupport::Rgb> expected = testsupport::decodeScreen(bytes);
        const std::string input = dir.write("screen.scr", bytes);
        for (const int size : { 48, 128, 255, 256, 300, 512, 1000 }) {
            SCOPED_TRACE(std::to_string(length) + " bytes at size " + std::to_string(size));
            ASSERT_EQ(thumbnail(input, output, size).status, 0);
            const QImage png(QString::fromStdString(output), "PNG");
            ASSERT_FALSE(png.isNull());
            if (size >= 256) {
                const int k = size / 256;
                ASSERT_EQ(png.size(), QSize(256 * k, 192 * k));
                // A palette of the picture's own colours, which are never more than 16.
                EXPECT_GT(png.colorCount(), 0) << "not a palette image";
                EXPECT_LE(png.colorCount(), 16);
                int wrong = 0;
                for (int y = 0; y < png.height(); ++y)
                    for (int x = 0; x < png.width(); ++x) {
                        const testsupport::Rgb want = at(expected, x / k, y / k);
                        const QColor got = png.pixelColor(x, y);
                        wrong += testsupport::Rgb { got.red(), got.green(), got.blue() } != want;
                    }
                EXPECT_EQ(wrong, 0);
                continue;
            }
            // Reduced to fit, keeping the shape; each pixel an average of the pixels it covers, so
            // within their range (one pixel of slack for where the cover's edges fall).
            ASSERT_EQ(png.width(), size);
            EXPECT_NEAR(png.height(), size * 3 / 4, 1);
            const double step = 256.0 / png.width();
            int outside = 0;
            for (int y = 0; y < png.height(); ++y)
                for (int x = 0; x < png.width(); ++x) {
                    int low[3] = { 255, 255, 255 }, high[3] = { 0, 0, 0 };
                    for (int sy = int(y * step) - 1; sy <= int((y + 1) * step) + 1; ++sy)
                        for (int sx = int(x * step) - 1; sx <= int((x + 1) * step) + 1; ++sx) {
                            const testsupport::Rgb c = at(expected, sx, sy);
                            const int parts[3] = { c.red, c.green, c.blue };
                            for (int i = 0; i < 3; ++i) {
                                low[i] = std::min(low[i], parts[i]);
                                high[i] = std::max(high[i], parts[i]);
                            }
                        }
                    const QColor got = png.pixelColor(x, y);
                    const int parts[3] = { got.red(), got.green(), got.blue() };
                    for (int i = 0; i < 3; ++i)
                        outside += parts[i] < low[i] - 1 || parts[i] > high[i] + 1;
                }
            EXPECT_EQ(outside, 0);
        }
    }
}

TEST(Thumbnailer, LoadsNoQtAndAtMostTenSharedObjects)
{
    QProcess loader; // the dynamic loader lists what the program loads, as ldd asks it to
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    loader.setProcessEnvironment(environment);
    loader.start(QStringLiteral(TARNVEL_THUMBNAILER), {});
    ASSERT_TRUE(loader.waitForFinished(30000));
    int loaded = 0;
    for (const QByteArray &line : loader.readAllStandardOutput().trimmed().split('\n')) {
        EXPECT_FALSE(line.contains("libQt")) << line.toStdString();
        loaded += !line.contains("libasan") && !line.contains("libubsan"); // the sanitizers' own, in their builds
    }
    EXPECT_LE(loaded, 10);
}

TEST(Thumbnailer, AFailedWriteLeavesNoFileBehind)
{
    testsupport::TempDir dir;
    const std::string input = dir.write("screen.scr", testsupport::patternedScreen(5));
    const std::string output = dir.path() + "/preview.png";
    QProcess child; // a file size limit far below a preview's makes the write fail part way
    child.setChildProcessModifier([] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 64, 64 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    child.start(QStringLiteral(TARNVEL_THUMBNAILER), { QStringLiteral("-s"), QStringLiteral("256"), QString::fromStdString(input),
                                                      QString::fromStdString(output) });
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 1);
    EXPECT_TRUE(child.readAllStandardError().contains("File too large"));
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(Thumbnailer, RefusesAWrongCommandLineWithItsUsage)
{
    testsupport::TempDir dir;
    const QString input = QString::fromStdString(dir.write("screen.scr", testsupport::patternedScreen(6)));
    const QString output = QString::fromStdString(dir.path() + "/preview.png");
    const QList<QStringList> wrong {
        {},
        { "-s", "256", input },
        { "-s", "256", input, output, "more" },
        { "-x", "256", input, output },
        { "-s", "0", input, output },
        { "-s", "4097", input, output },
        { "-s", "12x", input, output },
        { "-s", "", input, output },
    };
    for (const QStringList &arguments : wrong) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess child;
        child.start(QStringLiteral(TARNVEL_THUMBNAILER), arguments);
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 2);
        EXPECT_TRUE(child.readAllStandardError().contains("usage: tarnvel-thumbnailer -s SIZE INPUT OUTPUT"));
        EXPECT_FALSE(std::filesystem::exists(output.toStdString()));
    }
}

TEST(Thumbnailer, FailsWithAMessageWhenMemoryRunsShort)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    testsupport::TempDir dir;
    const std::string input = dir.write("screen.scr", testsupport::patternedScreen(7));
    const std::string output = dir.path() + "/preview.png";
    QProcess child; // 60 MB of address space: enough to start, not for a preview of 4096 (48 MiB and its PNG)
    child.setChildProcessModifier([] {
        const rlimit limit { 60'000'000, 60'000'000 };
        ::setrlimit(RLIMIT_AS, &limit);
    });
    child.start(QStringLiteral(TARNVEL_THUMBNAILER), { QStringLiteral("-s"), QStringLiteral("4096"), QString::fromStdString(input),
                                                      QString::fromStdString(output) });
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << "it must not abort";
    EXPECT_EQ(child.exitCode(), 1);
    EXPECT_TRUE(child.readAllStandardError().contains("not enough memory"));
    EXPECT_FALSE(std::filesystem::exists(output));
}

struct BadInput
{
    const char *name;
    std::string (*make)(const testsupport::TempDir &dir);
    bool unprivileged = false;
    friend void PrintTo(const BadInput &b, std::ostream *out) { *out << b.name; }
};

class BadInputs : public ::testing::TestWithParam<BadInput>
{
};

TEST_P(BadInputs, FailWithAMessageAndWriteNothing)
{
    testsupport::TempDir dir;
    ::chmod(dir.path().c_str(), 0777); // so that an unprivileged run could write, were it wrong to
    const std::string input = GetParam().make(dir);
    const std::string output = dir.path() + "/preview.png";
    // The build tree may lie in a folder only its owner enters: an unprivileged run uses a copy.
    std::string program = TARNVEL_THUMBNAILER;
    if (GetParam().unprivileged) {
        const std::string copy = dir.path() + "/tarnvel-thumbnailer";
        std::filesystem::copy_file(program, copy);
        ::chmod(copy.c_str(), 0755);
        program = copy;
    }
    std::optional<testsupport::Unprivileged> user;
    if (GetParam().unprivileged)
        user.emplace();
    const ChildRun run = thumbnail(input, output, 128, program);
    user.reset();
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.errors.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(output));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadInputs,
    ::testing::Values(BadInput { "missing", [](const testsupport::TempDir &d) { return d.path() + "/none.scr"; } },
                      BadInput { "directory", [](const testsupport::TempDir &d) { return d.makeDirectory("folder.scr"); } },
                      BadInput { "fifo",
                                 [](const testsupport::TempDir &d) {
                                     const std::string p = d.path() + "/pipe.scr";
                                     ::mkfifo(p.c_str(), 0600);
                                     return p;
                                 } },
                      BadInput { "device", [](const testsupport::TempDir &) { return std::string("/dev/zero"); } },
                      BadInput { "noPermission",
                                 [](const testsupport::TempDir &d) {
                                     const std::string p = d.write("secret.scr", testsupport::patternedScreen(3));
                                     ::chmod(p.c_str(), 0);
                                     return p;
                                 },
                                 true }));

} // namespace
