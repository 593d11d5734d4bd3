// Temporary directories and files for tests, removed again afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

class TempDir
{
public:
    // A new directory under the system's temporary folder, or under the folder given.
    explicit TempDir(const std::string &under = {});
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return root; }
    // Writes a file (creating its directories) and returns its full path.
    std::string write(const std::string &relative, const std::vector<std::uint8_t> &bytes) const;
    std::string makeDirectory(const std::string &relative) const;

private:
    std::string root;
};

// The whole of a file's bytes (none when it cannot be read).
std::vector<std::uint8_t> contentsOf(const std::string &path);

// The number of this process's open descriptors that refer to path.
int descriptorsOpenOn(const std::string &path);

} // namespace testsupport
