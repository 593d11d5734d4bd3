// Run-time error numbers, their messages and the mapping of system failures onto them.
#include "platform/fileruntime/runtimeerror.h"

#include "platform/fileruntime/translatable.h"

#include <cerrno>
#include <cstring>

namespace platform {

RunTimeError::RunTimeError(int number, std::string path, std::string reason, int systemError, Subject subject)
    : std::runtime_error(messageFor(number))
    , numberValue(number)
    , pathValue(std::move(path))
    , reasonValue(std::move(reason))
    , systemErrorValue(systemError)
    , subjectValue(subject)
{
}

const char *RunTimeError::messageFor(int number)
{
    switch (number) {
    case OutOfMemory: return TRANSLATABLE("RunTimeError", "Out of memory");
    case InternalError: return TRANSLATABLE("RunTimeError", "Internal error");
    case BadFileNameOrNumber: return TRANSLATABLE("RunTimeError", "Bad file name or number");
    case FileNotFound: return TRANSLATABLE("RunTimeError", "File not found");
    case FileAlreadyOpen: return TRANSLATABLE("RunTimeError", "File already open");
    case DeviceIOError: return TRANSLATABLE("RunTimeError", "Device I/O error");
    case BadRecordNumber: return TRANSLATABLE("RunTimeError", "Bad record number");
    case TooManyFiles: return TRANSLATABLE("RunTimeError", "Too many files");
    case DeviceUnavailable: return TRANSLATABLE("RunTimeError", "Device unavailable");
    case PermissionDenied: return TRANSLATABLE("RunTimeError", "Permission denied");
    case PathFileAccessError: return TRANSLATABLE("RunTimeError", "Path/File access error");
    case PathNotFound: return TRANSLATABLE("RunTimeError", "Path not found");
    }
    return TRANSLATABLE("RunTimeError", "Application-defined or object-defined error");
}

const char *RunTimeError::advice() const
{
    switch (numberValue) {
    case OutOfMemory: return TRANSLATABLE("RunTimeError", "The computer ran out of memory: close other programs and try again.");
    case BadFileNameOrNumber: return TRANSLATABLE("RunTimeError", "The file's name cannot be used as it is: rename the file or move it to a shorter path.");
    case FileNotFound: return TRANSLATABLE("RunTimeError", "The file no longer exists: it may have been moved, renamed or deleted, so choose another.");
    case DeviceIOError: return TRANSLATABLE("RunTimeError", "The disk could not be read: check that it is still connected and not damaged, then try again.");
    case TooManyFiles: return TRANSLATABLE("RunTimeError", "Too many files are open on this computer: close some programs and try again.");
    case DeviceUnavailable: return TRANSLATABLE("RunTimeError", "The drive is not available: check that it is connected or inserted, then choose it again.");
    case PermissionDenied:
        if (subjectValue == Subject::Folder)
            return TRANSLATABLE("RunTimeError", "You may not open this folder: ask its owner for access, or choose another.");
        return TRANSLATABLE("RunTimeError", "You may not read this file: ask its owner for access, or copy it to a place where you can.");
    case PathNotFound: return TRANSLATABLE("RunTimeError", "The folder no longer exists: it may have been moved, renamed or deleted, so choose another.");
    case PathFileAccessError:
        // One number for every way a path can be unusable as a file: each cause has its own advice.
        switch (systemErrorValue) {
        case 0: return TRANSLATABLE("RunTimeError", "This is not a screen file but a device, a pipe or a socket: choose a file instead.");
        case EISDIR: return TRANSLATABLE("RunTimeError", "This is a folder, not a screen file: open it in the directory list instead.");
        case ELOOP: return TRANSLATABLE("RunTimeError", "This name is a link that leads back to itself, or through too many other links: choose what it should lead to instead.");
        case EBUSY:
        case ETXTBSY: return TRANSLATABLE("RunTimeError", "The system is using this file and will not let it be read now: try again later, or choose another.");
        case EAGAIN: return TRANSLATABLE("RunTimeError", "The file changed while it was being opened: choose it again.");
        default: return TRANSLATABLE("RunTimeError", "The system will not open this for reading: choose another file.");
        }
    }
    return TRANSLATABLE("RunTimeError", "Something went wrong inside Tarnvel itself: please start it again.");
}

RunTimeError RunTimeError::fromErrno(int errnoValue, const std::string &path, Subject subject)
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
    return RunTimeError(number, path, std::strerror(errnoValue), errnoValue, subject);
}

} // namespace platform
