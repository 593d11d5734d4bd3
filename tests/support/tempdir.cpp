// Temporary directories, by default under the system's temporary folder.
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir(const std::string &under)
{
    std::string pattern = ((under.empty() ? fs::temp_directory_path() : fs::path(under)) / "tarnvel-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory");
    root = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
}

std::string TempDir::write(const std::string &relative, const std::vector<std::uint8_t> &bytes) const
{
    const fs::path file = fs::path(root) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

std::string TempDir::makeDirectory(const std::string &relative) const
{
    const fs::path directory = fs::path(root) / relative;
    fs::create_directories(directory);
    return directory.string();
}

int descriptorsOpenOn(const std::string &path)
{
    int count = 0;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator("/proc/self/fd", error)) {
        std::error_code ignored;
        if (fs::read_symlink(entry.path(), ignored) == fs::path(path))
            ++count;
    }
    return count;
}

std::vector<std::uint8_t> contentsOf(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), {} };
}

} // namespace testsupport
