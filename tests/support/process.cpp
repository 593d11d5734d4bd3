// Figures from /proc/self, and the effective user switched to nobody and back.
#include "support/process.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace testsupport {

namespace {

// The number after "key" in one of /proc/self's "key: value" files; -1 if missing.
long long field(const char *file, const std::string &key)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, key.size(), key) == 0)
            return std::stoll(line.substr(key.size()));
    }
    return -1;
}

constexpr uid_t Nobody = 65534;

} // namespace

int openDescriptorCount()
{
    int count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

long residentKiB()
{
    return static_cast<long>(field("/proc/self/status", "VmRSS:"));
}

long long bytesRead()
{
    return field("/proc/self/io", "rchar:");
}

Unprivileged::Unprivileged()
{
    if (::geteuid() != 0)
        return;
    if (::setegid(Nobody) != 0 || ::seteuid(Nobody) != 0)
        throw std::runtime_error("cannot act as nobody");
    switched = true;
}

Unprivileged::~Unprivileged()
{
    if (switched && (::seteuid(0) != 0 || ::setegid(0) != 0))
        std::terminate();
}

} // namespace testsupport
