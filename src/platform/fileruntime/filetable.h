// Numbered files: opened read-only by number, read one byte at a time by position, closed all at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class FileTable
{
public:
    // File numbers run from 1 to this.
    static constexpr int HighestNumber = 511;

    FileTable() = default;
    ~FileTable();
    FileTable(const FileTable &) = delete;
    FileTable &operator=(const FileTable &) = delete;

    // Opens path for reading as file number. Nothing is ever created or written.
    // Only regular files open: a directory, pipe or device is a "Path/File access error".
    void open(int number, const std::string &path);
    // Reads the byte at 1-based position into byte. Past the end of the file the byte is 0.
    void get(int number, long position, std::uint8_t &byte);
    void closeAll();

    bool isOpen(int number) const;
    int openCount() const;

private:
    // Reads are served from one cached, aligned block so that byte-by-byte reading
    // costs one system call per block.
    static constexpr long BlockSize = 4096;

    struct OpenFile
    {
        int number = 0;
        int descriptor = -1;
        std::string path;
        long blockStart = -1; // 0-based offset of the cached block; -1 when none
        long blockLength = 0; // bytes of the block that exist in the file
        std::array<std::uint8_t, BlockSize> block {};
    };

    OpenFile *find(int number);
    const OpenFile *find(int number) const;
    static void checkNumber(int number);

    std::vector<OpenFile> files;
};

} // namespace platform
