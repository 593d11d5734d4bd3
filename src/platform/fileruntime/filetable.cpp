// Numbered read-only files on POSIX descriptors, with a one-block cache under the byte reads.
#include "platform/fileruntime/filetable.h"

#include "platform/fileruntime/runtimeerror.h"
#include "platform/fileruntime/translatable.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Whether the directory that would hold path exists, to tell a missing file from a missing path.
bool parentExists(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return true;
    const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
    struct stat info {};
    return ::stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Opens path for reading only if it is a regular file. Its type is checked on a handle that
// opens nothing (O_PATH): opening a device can have effects of its own (a tape rewinds, a
// watchdog arms), and a pipe may wait for a writer. The checked file itself is then opened
// through that handle, so no other file can be swapped in between.
int openRegularFile(const std::string &path)
{
    const int handle = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (handle < 0) {
        const int error = errno;
        if (error == ENOENT && !parentExists(path))
            throw RunTimeError(RunTimeError::PathNotFound, path, TRANSLATABLE("RunTimeError", "No such directory"));
        throw RunTimeError::fromErrno(error, path);
    }
    struct stat info {};
    if (::fstat(handle, &info) != 0) {
        const int error = errno;
        ::close(handle);
        throw RunTimeError::fromErrno(error, path);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(handle);
        // A folder says so as opening it would; a device, pipe or socket has no system error of its own.
        if (S_ISDIR(info.st_mode))
            throw RunTimeError(RunTimeError::PathFileAccessError, path, std::strerror(EISDIR), EISDIR);
        throw RunTimeError(RunTimeError::PathFileAccessError, path, TRANSLATABLE("RunTimeError", "Not a regular file"));
    }
    const std::string throughHandle = "/proc/self/fd/" + std::to_string(handle);
    int descriptor = ::open(throughHandle.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    int error = errno;
    if (descriptor < 0 && error == ENOENT) {
        // Without /proc, open the path itself and make sure it is still the file checked above.
        descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        error = errno;
        struct stat opened {};
        if (descriptor >= 0 && (::fstat(descriptor, &opened) != 0 || opened.st_dev != info.st_dev || opened.st_ino != info.st_ino)) {
            ::close(descriptor);
            descriptor = -1;
            error = EAGAIN;
        }
    }
    ::close(handle);
    if (descriptor < 0)
        throw RunTimeError::fromErrno(error, path);
    return descriptor;
}

} // namespace

FileTable::~FileTable()
{
    closeAll();
}

void FileTable::checkNumber(int number)
{
    if (number < 1 || number > HighestNumber)
        throw RunTimeError(RunTimeError::BadFileNameOrNumber);
}

FileTable::OpenFile *FileTable::find(int number)
{
    auto it = std::find_if(files.begin(), files.end(), [number](const OpenFile &f) { return f.number == number; });
    return it == files.end() ? nullptr : &*it;
}

const FileTable::OpenFile *FileTable::find(int number) const
{
    return const_cast<FileTable *>(this)->find(number);
}

void FileTable::open(int number, const std::string &path)
{
    checkNumber(number);
    if (find(number))
        throw RunTimeError(RunTimeError::FileAlreadyOpen, path);
    if (path.empty() || path.find('\0') != std::string::npos)
        throw RunTimeError(RunTimeError::BadFileNameOrNumber, path);

    const int descriptor = openRegularFile(path);
    OpenFile file;
    file.number = number;
    file.descriptor = descriptor;
    file.path = path;
    files.push_back(std::move(file));
}

void FileTable::get(int number, long position, std::uint8_t &byte)
{
    checkNumber(number);
    OpenFile *file = find(number);
    if (!file)
        throw RunTimeError(RunTimeError::BadFileNameOrNumber);
    if (position < 1)
        throw RunTimeError(RunTimeError::BadRecordNumber, file->path);

    const long offset = position - 1;
    const long start = offset - offset % BlockSize;
    if (file->blockStart != start) {
        file->blockStart = -1;
        long filled = 0;
        while (filled < BlockSize) {
            const ssize_t got = ::pread(file->descriptor, file->block.data() + filled,
                                        static_cast<size_t>(BlockSize - filled), start + filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw RunTimeError::fromErrno(errno, file->path);
            if (got == 0)
                break; // end of file: the rest of the block does not exist
            filled += got;
        }
        file->blockStart = start;
        file->blockLength = filled;
    }
    const long inBlock = offset - start;
    byte = inBlock < file->blockLength ? file->block[static_cast<size_t>(inBlock)] : 0;
}

void FileTable::closeAll()
{
    for (const OpenFile &file : files)
        ::close(file.descriptor);
    files.clear();
}

bool FileTable::isOpen(int number) const
{
    return find(number) != nullptr;
}

int FileTable::openCount() const
{
    return static_cast<int>(files.size());
}

} // namespace platform
