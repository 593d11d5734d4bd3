// The order names are listed in: a person's, with numbers by their value.
#include "platform/filesystem/nameorder.h"

#include <QStringView>

#include <algorithm>
#include <cstdint>
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

// A key of a case-folded name that compares, unit by unit as a plain string, the way a person
// orders names: run by run, a run of digits by its value, any other run by its characters
// case-insensitively, a name that runs out first first. A text run is its characters and a 0 that
// ends it (so a shorter run comes first); a digit run is a '0' (which, like any digit, orders it
// against a text run by the first character, since a text run never starts with a digit), its
// length without leading zeros, and those digits. Names hold no U+0000, so no character can be confused with the end of a run.
QString sortKey(QStringView folded)
{
    QString key;
    key.reserve(folded.size() + 8);
    for (qsizetype i = 0; i < folded.size();) {
        qsizetype end = i;
        if (!isNumberDigit(folded[i])) {
            while (end < folded.size() && !isNumberDigit(folded[end]))
                ++end;
            key.append(folded.sliced(i, end - i));
            key.append(QChar(0));
        } else {
            while (end < folded.size() && isNumberDigit(folded[end]))
                ++end;
            qsizetype first = i;
            while (first + 1 < end && folded[first] == QLatin1Char('0'))
                ++first;
            const auto length = static_cast<std::uint32_t>(end - first);
            key.append(QLatin1Char('0'));
            key.append(QChar(static_cast<char16_t>(length >> 16)));
            key.append(QChar(static_cast<char16_t>(length & 0xFFFF)));
            key.append(folded.sliced(first, end - first));
        }
        i = end;
    }
    return key;
}

} // namespace

void sortNames(QStringList &names)
{
    // Each name is turned into a key once, so that each of the many comparisons of a large
    // directory is a plain comparison of two strings.
    struct Keyed
    {
        QString key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (QString &name : names)
        keyed.push_back({ sortKey(name.toCaseFolded()), std::move(name) });
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &x, const Keyed &y) {
        const int order = QStringView(x.key).compare(y.key);
        return order != 0 ? order < 0 : x.name < y.name;
    });
    for (qsizetype k = 0; k < names.size(); ++k)
        names[k] = std::move(keyed[std::size_t(k)].name);
}

} // namespace platform
