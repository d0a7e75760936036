#pragma once

#include <QString>
#include <vector>

// Rewrites a cell text in place while rows are written on worker threads. The cell's old text was
// allocated by the thread that parsed the cell data; freeing it on a worker would make every worker
// wait on that thread's allocator. So a worker parks old texts in its own list, which the writing
// thread clears after the workers are done. Outside such a run the old text is freed at once.
namespace cellrewrite {

// Set for the duration of a worker's slice; null elsewhere.
extern thread_local std::vector<QString> *parked;

inline void replace(QString &cell, QString &&fresh)
{
    if (parked)
        parked->push_back(std::move(cell));
    cell = std::move(fresh);
}

// Appends the decimal digits of a non-negative number without a temporary text.
inline void appendNumber(QString &out, int value)
{
    char16_t digits[12];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n > 0)
        out += QChar(digits[--n]);
}

} // namespace cellrewrite
