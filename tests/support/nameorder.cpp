// Comparing two names run by run, written from the order's description alone.
#include "support/nameorder.h"

namespace testsupport {

namespace {

bool isNumberDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// a against b, run by run: a run of digits by its value, any other run by its characters
// case-insensitively; a name that runs out first comes first. 0 when alike in that.
int compareByRuns(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitsA = isNumberDigit(a[i]), digitsB = isNumberDigit(b[j]);
        qsizetype endA = i, endB = j;
        while (endA < a.size() && isNumberDigit(a[endA]) == digitsA)
            ++endA;
        while (endB < b.size() && isNumberDigit(b[endB]) == digitsB)
            ++endB;
        QStringView runA = a.sliced(i, endA - i), runB = b.sliced(j, endB - j);
        int order = 0;
        if (digitsA && digitsB) {
            while (runA.size() > 1 && runA.front() == QLatin1Char('0'))
                runA = runA.sliced(1);
            while (runB.size() > 1 && runB.front() == QLatin1Char('0'))
                runB = runB.sliced(1);
            order = runA.size() != runB.size() ? (runA.size() < runB.size() ? -1 : 1) : runA.compare(runB);
        } else {
            order = runA.compare(runB, Qt::CaseInsensitive);
        }
        if (order != 0)
            return order;
        i = endA;
        j = endB;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size() ? -1 : 1; // the shorter name first
    return 0;
}

} // namespace

bool namesInOrder(const QString &a, const QString &b)
{
    // Case-insensitively, run by run; names alike in that compare by their exact characters.
    const int order = compareByRuns(a, b);
    return order != 0 ? order < 0 : a < b;
}

} // namespace testsupport
