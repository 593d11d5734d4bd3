// The order names are listed in, the same in every list.
#pragma once

#include <QStringList>

namespace platform {

// Sorts names the way a person expects: letters case-insensitively, digit runs by value; names
// alike in that by their exact characters.
void sortNames(QStringList &names);

} // namespace platform
