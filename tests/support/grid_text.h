#pragma once

#include "designer/textgrid.h"

#include <QStringList>

// Every entry of a grid that is set, as "r,c=value" in row order, so that a test compares a whole
// grid (cells outside the table included) as one string.
inline QString contents(const TextGrid &grid)
{
    QStringList cells;
    for (int r = 0; r <= grid.rowUpper(); ++r)
        for (int c = 0; c <= grid.columnUpper(); ++c)
            if (!grid.get(r, c).isEmpty())
                cells << QString::number(r) + u',' + QString::number(c) + u'=' + grid.get(r, c);
    return cells.join(u' ');
}

// The same for a list: "i=value".
inline QString contents(const TextList &list)
{
    QStringList items;
    for (int i = 0; i <= list.upper(); ++i)
        if (!list.get(i).isEmpty())
            items << QString::number(i) + u'=' + list.get(i);
    return items.join(u' ');
}
