// The order names are listed in: a person's, with numbers by their value.
#include "platform/filesystem/nameorder.h"

#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

namespace {

// Only ASCII digits make numbers: other scripts' digits are ordered as letters, so that every
// digit run compares with any other run the same way and the order stays a strict weak ordering.
bool isNumberDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Appends the key of a case-folded name to keys: a key compares, unit by unit as a plain string,
// the way a person orders names: run by run, a run of digits by its value, any other run by its
// characters case-insensitively, a name that runs out first first. A text run is its characters
// and a 0 that ends it (so a shorter run comes first); a digit run is a '0' (which, like any
// digit, orders it against a text run by the first character, since a text run never starts with
// a digit), its length without leading zeros, and those digits. Names hold no U+0000, so no
// character can be confused with the end of a run.
void appendSortKey(QStringView folded, std::vector<char16_t> &keys)
{
    for (qsizetype i = 0; i < folded.size();) {
        qsizetype end = i;
        if (!isNumberDigit(folded[i])) {
            while (end < folded.size() && !isNumberDigit(folded[end]))
                ++end;
            keys.insert(keys.end(), folded.utf16() + i, folded.utf16() + end);
            keys.push_back(0);
        } else {
            while (end < folded.size() && isNumberDigit(folded[end]))
                ++end;
            qsizetype first = i;
            while (first + 1 < end && folded[first] == QLatin1Char('0'))
                ++first;
            const auto length = static_cast<std::uint32_t>(end - first);
            keys.push_back(u'0');
            keys.push_back(static_cast<char16_t>(length >> 16));
            keys.push_back(static_cast<char16_t>(length & 0xFFFF));
            keys.insert(keys.end(), folded.utf16() + first, folded.utf16() + end);
        }
        i = end;
    }
}

// The case-folded name: for a name of ASCII alone (most names) folded into buffer, with no
// allocation once buffer has grown; otherwise folded by Qt into spare.
QStringView caseFolded(const QString &name, std::u16string &buffer, QString &spare)
{
    buffer.clear();
    for (const QChar c : name) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80) {
            spare = name.toCaseFolded();
            return spare;
        }
        buffer.push_back(unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit);
    }
    return QStringView(buffer.data(), qsizetype(buffer.size()));
}

} // namespace

void sortNames(QStringList &names)
{
    // Each name is turned into a key once, all keys into one buffer, so that each of the many
    // comparisons of a large directory is a plain comparison of two runs of code units. The first
    // eight units of each key also sit beside it as two numbers, which decide most comparisons
    // without a look into the buffer.
    struct Keyed
    {
        std::uint64_t head[2];
        std::size_t start;
        std::size_t length;
        qsizetype name;
    };
    std::vector<char16_t> keys;
    keys.reserve(std::size_t(names.size()) * 16);
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(names.size()));
    std::u16string buffer;
    QString spare;
    for (qsizetype k = 0; k < names.size(); ++k) {
        const std::size_t start = keys.size();
        appendSortKey(caseFolded(names[k], buffer, spare), keys);
        Keyed entry { { 0, 0 }, start, keys.size() - start, k };
        for (std::size_t unit = 0; unit < 8; ++unit) {
            const std::uint64_t value = unit < entry.length ? keys[start + unit] : 0; // a shorter key is padded with 0
            entry.head[unit / 4] |= value << (16 * (3 - unit % 4));
        }
        keyed.push_back(entry);
    }
    // Equal heads (a key of eight units or fewer may equal a longer one padded) leave the
    // order to the whole keys.
    const auto keyOf = [&keys](const Keyed &k) { return std::u16string_view(keys.data() + k.start, k.length); };
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed &x, const Keyed &y) {
        if (x.head[0] != y.head[0])
            return x.head[0] < y.head[0];
        if (x.head[1] != y.head[1])
            return x.head[1] < y.head[1];
        const int order = keyOf(x).compare(keyOf(y));
        return order != 0 ? order < 0 : names[x.name] < names[y.name];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(names[k.name]));
    names = std::move(sorted);
}

} // namespace platform
