// The order in which people expect names, compared pair by pair: the reference that the file
// lists' sorting by keys is checked against.
#pragma once

#include <QString>

namespace testsupport {

// Whether a comes before b: run by run, a run of the digits 0-9 by its value, any other run by its
// characters case-insensitively, the name that runs out first first; names alike in that by their
// exact characters.
bool namesInOrder(const QString &a, const QString &b);

} // namespace testsupport
