// A run-time error: a classic error number, its message, and what the system said and about which path.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class RunTimeError : public std::runtime_error
{
public:
    // The error numbers the program can raise, with the messages users know them by.
    enum Number : int {
        OutOfMemory = 7,
        InternalError = 51,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        FileAlreadyOpen = 55,
        DeviceIOError = 57,
        BadRecordNumber = 63,
        TooManyFiles = 67,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
    };

    // What the path names: the advice differs for a folder the user tried to open.
    enum class Subject { File, Folder };

    // systemError is the errno value behind the error, 0 when there is none.
    RunTimeError(int number, std::string path = {}, std::string reason = {}, int systemError = 0, Subject subject = Subject::File);

    // The error for a failed system call on path, from its errno value.
    static RunTimeError fromErrno(int errnoValue, const std::string &path, Subject subject = Subject::File);

    static const char *messageFor(int number);
    // One plain sentence about what went wrong and what to do, for someone who is no programmer:
    // for the number, and where one number covers several causes, for the cause.
    const char *advice() const;

    int number() const { return numberValue; }
    std::string message() const { return what(); }
    // The path the error is about; empty when it is about none.
    const std::string &path() const { return pathValue; }
    // The operating system's own words for the failure; empty when it gave none.
    const std::string &reason() const { return reasonValue; }

private:
    int numberValue;
    std::string pathValue;
    std::string reasonValue;
    int systemErrorValue;
    Subject subjectValue;
};

} // namespace platform
