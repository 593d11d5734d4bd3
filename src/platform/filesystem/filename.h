// File names as the file system holds them: exact bytes carried losslessly in a QString.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// A name's identity is its bytes. Valid UTF-8 becomes its characters; every byte that is not part
// of valid UTF-8 (old archives name files in Latin-1 or CP866) becomes the lone code unit
// U+DC80 + (byte - 0x80), which no valid UTF-8 decodes to, so that encodeFileName() gives the
// same bytes back.
QString decodeFileName(QByteArrayView bytes);
QByteArray encodeFileName(const QString &name);

// The text shown for a name: each byte that is not valid UTF-8 shown as \xHH.
QString displayFileName(const QString &name);

} // namespace platform
