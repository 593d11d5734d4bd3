// Run-time error numbers, their messages and the mapping of system failures onto them.
#include "platform/runtime/runtimeerror.h"

#include <cerrno>
#include <cstring>

namespace platform {

RunTimeError::RunTimeError(int number, std::string path, std::string reason)
    : std::runtime_error(messageFor(number))
    , numberValue(number)
    , pathValue(std::move(path))
    , reasonValue(std::move(reason))
{
}

const char *RunTimeError::messageFor(int number)
{
    switch (number) {
    case OutOfMemory: return "Out of memory";
    case InternalError: return "Internal error";
    case BadFileNameOrNumber: return "Bad file name or number";
    case FileNotFound: return "File not found";
    case FileAlreadyOpen: return "File already open";
    case DeviceIOError: return "Device I/O error";
    case BadRecordNumber: return "Bad record number";
    case TooManyFiles: return "Too many files";
    case DeviceUnavailable: return "Device unavailable";
    case PermissionDenied: return "Permission denied";
    case PathFileAccessError: return "Path/File access error";
    case PathNotFound: return "Path not found";
    }
    return "Application-defined or object-defined error";
}

const char *RunTimeError::adviceFor(int number)
{
    switch (number) {
    case OutOfMemory: return "The computer ran out of memory: close other programs and try again.";
    case BadFileNameOrNumber: return "The file's name cannot be used as it is: rename the file or move it to a shorter path.";
    case FileNotFound: return "The file no longer exists: it may have been moved, renamed or deleted, so choose another.";
    case DeviceIOError: return "The disk could not be read: check that it is still connected and not damaged, then try again.";
    case TooManyFiles: return "Too many files are open on this computer: close some programs and try again.";
    case DeviceUnavailable: return "The drive is not available: check that it is connected or inserted, then choose it again.";
    case PermissionDenied: return "You may not read this file: ask its owner for access, or copy it to a place where you can.";
    case PathFileAccessError: return "This is not a screen file but a folder, a device or a pipe: choose a file instead.";
    case PathNotFound: return "The folder no longer exists: it may have been moved, renamed or deleted, so choose another.";
    }
    return "Something went wrong inside Tarnvel itself: please start it again.";
}

RunTimeError RunTimeError::fromErrno(int errnoValue, const std::string &path)
{
    int number = PathFileAccessError;
    switch (errnoValue) {
    case ENOENT: number = FileNotFound; break;
    case ENOTDIR: number = PathNotFound; break;
    case EACCES:
    case EPERM:
    case EROFS: number = PermissionDenied; break;
    case ENAMETOOLONG: number = BadFileNameOrNumber; break;
    case EMFILE:
    case ENFILE: number = TooManyFiles; break;
    case EIO: number = DeviceIOError; break;
    case ENXIO:
    case ENODEV: number = DeviceUnavailable; break;
    case ENOMEM: number = OutOfMemory; break;
    default: break; // EISDIR, ELOOP, EBUSY and the rest: the path cannot be used as asked
    }
    return RunTimeError(number, path, std::strerror(errnoValue));
}

} // namespace platform
