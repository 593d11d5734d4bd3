// What a test can learn of its own process, and running part of a test as an unprivileged user.
#pragma once

#include <sys/types.h>

namespace testsupport {

// Open descriptors, resident memory in KiB, and bytes read through read-like calls so far.
int openDescriptorCount();
long residentKiB();
long long bytesRead();

// While it lives, the process acts as the unprivileged user "nobody" when it runs as root (file
// permissions then apply to it); otherwise it changes nothing.
class Unprivileged
{
public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

private:
    bool switched = false;
};

} // namespace testsupport
