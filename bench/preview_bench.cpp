// The preview program per file, beside the least a preview program needs (leastpreview) and
// ImageMagick's convert, each started as a file manager starts it, in turns within one run.
// Usage: preview_bench THUMBNAILER LEASTPREVIEW SCREEN
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int Rounds = 300;
constexpr int WarmUps = 5;

struct Run
{
    double seconds;
    long peakKiB;
};

// Starts the command, waits for it, and gives its wall time and its peak resident memory.
Run timed(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return { seconds, usage.ru_maxrss };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const std::string screen = argv[3], out = std::filesystem::temp_directory_path() / ("preview-bench-" + std::to_string(getpid()));
    std::filesystem::create_directory(out);
    struct Contender
    {
        const char *name;
        std::vector<std::string> command;
        std::vector<double> seconds, peaks;
    };
    std::vector<Contender> contenders {
        { "tarnvel-thumbnailer -s 256", { argv[1], "-s", "256", screen, out + "/tarnvel" }, {}, {} },
        { "least preview program (libpng)", { argv[2], screen, out + "/least" }, {}, {} },
    };
    if (access("/usr/bin/convert", X_OK) == 0)
        contenders.push_back({ "ImageMagick's convert", { "/usr/bin/convert", "SCR:" + screen, out + "/convert" }, {}, {} });
    for (int round = 0; round < WarmUps + Rounds; ++round)
        for (std::size_t turn = 0; turn < contenders.size(); ++turn) {
            // Each round starts with the next contender, so that each follows each other one as
            // often: a program started just after convert finds the caches full of convert.
            Contender &contender = contenders[(std::size_t(round) + turn) % contenders.size()];
            // A new output file each time, as file managers give a new temporary file, and none
            // removed until the end: overwriting or removing one would time the file system
            // freeing the previous picture's blocks (on a disk mounted with discard, in the next
            // start's time).
            std::vector<std::string> command = contender.command;
            command.back() += "-" + std::to_string(round) + ".png";
            const Run run = timed(command);
            if (round >= WarmUps) {
                contender.seconds.push_back(run.seconds);
                contender.peaks.push_back(double(run.peakKiB));
            }
        }
    std::filesystem::remove_all(out);

    std::printf("\n| preview of one screen, medians of %d starts | time | peak memory |\n|---|---|---|\n", Rounds);
    for (const Contender &contender : contenders)
        std::printf("| %s | %.2f ms | %.1f MB |\n", contender.name, median(contender.seconds) * 1e3, median(contender.peaks) / 1024);
    const double ours = median(contenders[0].seconds), least = median(contenders[1].seconds);
    std::printf("\n| figure | measured | target | met |\n|---|---|---|---|\n");
    std::printf("| preview program / least preview program | %.2f × | ≤ 2.0 × | %s |\n", ours / least, ours / least <= 2.0 ? "yes" : "**no**");
    if (contenders.size() > 2) {
        const double convert = median(contenders[2].seconds);
        std::printf("| convert / preview program | %.1f × | ≥ 3 × | %s |\n", convert / ours, convert / ours >= 3 ? "yes" : "**no**");
    }
    return 0;
}
