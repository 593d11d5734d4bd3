// Reads and closing through the file table.
#include "platform/runtime/fileruntime.h"

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
