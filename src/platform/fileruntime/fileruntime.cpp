// The file calls of the run time, passed to the file table that keeps the numbered files.
#include "platform/fileruntime/fileruntime.h"

namespace platform {

void FileRunTime::get(int fileNumber, long position, std::uint8_t &byte)
{
    table.get(fileNumber, position, byte);
}

void FileRunTime::closeAll()
{
    table.closeAll();
}

} // namespace platform
