// A strict UTF-8 decoder that keeps undecodable bytes as escape code units, and its inverse.
#include "platform/filesystem/filename.h"

#include <algorithm>

namespace platform {

namespace {

constexpr char16_t EscapeBase = 0xDC00; // a byte b >= 0x80 that is not valid UTF-8 becomes EscapeBase + b

// Whether name[i] stands for a byte: a low surrogate in the escape range that is not the second
// half of a surrogate pair (a character beyond U+FFFF may end in the same code unit).
bool isEscapeAt(const QString &name, qsizetype i)
{
    const char16_t unit = name[i].unicode();
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at bytes[i], and its code point; 0 if none starts there.
int sequenceAt(QByteArrayView bytes, qsizetype i, char32_t &codePoint)
{
    const auto at = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if (!isContinuation(at(i + k)))
            return 0;
        codePoint = codePoint << 6 | (at(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode's end are not valid UTF-8.
    if (codePoint < lowest || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString decodeFileName(QByteArrayView bytes)
{
    // Most names are ASCII alone, whose bytes are their characters.
    if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
        return QString::fromLatin1(bytes);
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const int length = sequenceAt(bytes, i, codePoint);
        if (length == 0) {
            name.append(QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
        } else {
            if (QChar::requiresSurrogates(codePoint)) {
                name.append(QChar(QChar::highSurrogate(codePoint)));
                name.append(QChar(QChar::lowSurrogate(codePoint)));
            } else {
                name.append(QChar(static_cast<char16_t>(codePoint)));
            }
            i += length;
        }
    }
    return name;
}

QByteArray encodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0; // the characters since the last escape, encoded together
    const auto flushRun = [&](qsizetype end) { bytes.append(QStringView(name).sliced(runStart, end - runStart).toUtf8()); };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapeAt(name, i))
            continue;
        flushRun(i);
        bytes.append(static_cast<char>(name[i].unicode() - EscapeBase));
        runStart = i + 1;
    }
    flushRun(name.size());
    return bytes;
}

QString displayFileName(const QString &name)
{
    qsizetype i = 0;
    while (i < name.size() && !isEscapeAt(name, i))
        ++i;
    if (i == name.size())
        return name; // the usual case: nothing to show otherwise, and no copy made
    QString shown = name.first(i);
    shown.reserve(name.size() + 8);
    for (; i < name.size(); ++i) {
        if (isEscapeAt(name, i))
            shown += QStringLiteral("\\x") + QString::number(name[i].unicode() - EscapeBase, 16).toUpper();
        else
            shown += name[i];
    }
    return shown;
}

} // namespace platform
