// Merge coverage: which cells disappear under another cell's rowspan/colspan.

#include "controls/hugepages.h"
#include "controls/strings.h"
#include "frame/form1.h"

#include <algorithm>

void Form1::BuildMergeMap()
{
    // A refused count covers nothing (the writer refuses such a table before it gets here).
    const int rows = countIn(0).value_or(0);
    const int columns = countIn(1).value_or(0);

    rowCellCounts.assign(std::size_t(rows), columns);
    coveredCells.redim(rows - 1, columns - 1);
    // Without a merge anywhere in the table no cell is covered, and no flags are needed: a cell
    // beyond the flags is not covered.
    coveredCellFlags = std::vector<int>();
    if (cellSpans.storedCount() == 0)
        return;
    hugepages::reserve(coveredCellFlags, std::size_t(rows) * columns + 1);
    coveredCellFlags.resize(std::size_t(rows) * columns + 1, 0);

    // The owner of a cell is the span origin that claims it last, in row-major order; -1 for none.
    std::vector<int> owner;
    hugepages::reserve(owner, std::size_t(rows) * columns);
    owner.resize(std::size_t(rows) * columns, -1);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            const QString &span = cellSpans.get(i, j);
            if (span.isEmpty())
                continue;
            const int comma = int(span.indexOf(u','));
            // A span without a comma, with a count below 1 or with one that cannot be held
            // (a run of 20 digits) claims nothing.
            if (comma < 0)
                continue;
            const std::optional<int> r = strings::truncated(strings::Val(span.left(comma)));
            const std::optional<int> c = strings::truncated(strings::Val(span.mid(comma + 1)));
            if (!r || !c || *r < 1 || *c < 1)
                continue;
            // A span running past the table is clipped to it.
            const int lastRow = int(std::min<qint64>(rows - 1, qint64(i) + *r - 1));
            const int lastColumn = int(std::min<qint64>(columns - 1, qint64(j) + *c - 1));
            for (int k = i; k <= lastRow; ++k)
                for (int m = j; m <= lastColumn; ++m)
                    owner[std::size_t(k) * columns + m] = i * columns + j;
        }
    }

    int n = 0;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            const int who = owner[std::size_t(i) * columns + j];
            if (who >= 0 && who != i * columns + j) {
                coveredCells.set(i, j, 1);
                coveredCellFlags[std::size_t(n)] = 1;
            }
            ++n;
        }
    }
}
