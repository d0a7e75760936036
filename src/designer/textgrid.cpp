#include "designer/textgrid.h"

#include <algorithm>

const QString &TextGrid::empty()
{
    static const QString none;
    return none;
}

void TextGrid::redim(int rowUpper, int columnUpper)
{
    m_rows = std::max(0, rowUpper + 1);
    m_columns = std::max(0, columnUpper + 1);
    m_cells.assign(std::size_t(m_rows) * m_columns, QString());
}

void TextGrid::redimPreserve(int rowUpper, int columnUpper)
{
    const int rows = std::max(0, rowUpper + 1);
    const int columns = std::max(0, columnUpper + 1);
    if (rows == m_rows && columns == m_columns)
        return;
    std::vector<QString> cells(std::size_t(rows) * columns);
    const int keepRows = std::min(rows, m_rows);
    const int keepColumns = std::min(columns, m_columns);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepColumns; ++c)
            cells[std::size_t(r) * columns + c] = std::move(m_cells[index(r, c)]);
    m_rows = rows;
    m_columns = columns;
    m_cells = std::move(cells);
}

const QString &TextList::get(int i) const
{
    static const QString none;
    return contains(i) ? m_items[std::size_t(i)] : none;
}

bool TextList::set(int i, const QString &value)
{
    if (!contains(i))
        return false;
    m_items[std::size_t(i)] = value;
    return true;
}

void IntGrid::redim(int rowUpper, int columnUpper)
{
    m_rows = std::max(0, rowUpper + 1);
    m_columns = std::max(0, columnUpper + 1);
    m_cells.assign(std::size_t(m_rows) * m_columns, 0);
}
