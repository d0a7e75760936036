#include "designer/textgrid.h"

#include "controls/hugepages.h"

#include <algorithm>

TextGrid::Row::iterator TextGrid::find(Row &row, int column)
{
    // Rows are mostly written left to right: try the end first.
    if (row.empty() || row.back().column < column)
        return row.end();
    return std::lower_bound(row.begin(), row.end(), column,
                            [](const Entry &e, int c) { return e.column < c; });
}

void TextGrid::redim(int rowUpper, int columnUpper)
{
    m_rows = std::max(0, rowUpper + 1);
    m_columns = std::max(0, columnUpper + 1);
    m_cells.clear();
    m_cells.shrink_to_fit();
}

void TextGrid::redimPreserve(int rowUpper, int columnUpper)
{
    m_rows = std::max(0, rowUpper + 1);
    m_columns = std::max(0, columnUpper + 1);
    if (m_cells.size() > std::size_t(m_rows))
        m_cells.resize(std::size_t(m_rows));
    for (Row &row : m_cells) {
        if (!row.empty() && row.back().column >= m_columns)
            row.erase(find(row, m_columns), row.end());
    }
}

const QString &TextGrid::get(int row, int column) const
{
    if (!contains(row, column) || std::size_t(row) >= m_cells.size())
        return empty();
    const Row &cells = m_cells[std::size_t(row)];
    if (cells.empty())
        return empty();
    auto it = std::lower_bound(cells.begin(), cells.end(), column,
                               [](const Entry &e, int c) { return e.column < c; });
    return it != cells.end() && it->column == column ? it->value : empty();
}

bool TextGrid::set(int row, int column, const QString &value)
{
    if (!contains(row, column))
        return false;
    if (value.isEmpty()) {
        // An empty text is no setting: the cell is forgotten.
        if (std::size_t(row) < m_cells.size()) {
            Row &cells = m_cells[std::size_t(row)];
            auto it = find(cells, column);
            if (it != cells.end() && it->column == column)
                cells.erase(it);
        }
        return true;
    }
    at(row, column) = value;
    return true;
}

QString &TextGrid::at(int row, int column)
{
    if (std::size_t(row) >= m_cells.size())
        m_cells.resize(std::size_t(row) + 1);
    Row &cells = m_cells[std::size_t(row)];
    auto it = find(cells, column);
    if (it == cells.end() || it->column != column)
        it = cells.insert(it, Entry{column, QString()});
    return it->value;
}

TextGrid::RowReader TextGrid::row(int row) const
{
    RowReader reader;
    if (row >= 0 && row < m_rows && std::size_t(row) < m_cells.size()) {
        const Row &cells = m_cells[std::size_t(row)];
        reader.m_next = cells.data();
        reader.m_end = cells.data() + cells.size();
        reader.m_columns = m_columns;
    }
    return reader;
}

qsizetype TextGrid::storedCount() const
{
    qsizetype n = 0;
    for (const Row &row : m_cells)
        n += qsizetype(row.size());
    return n;
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
    // Every cell is 0 until one is set: the cells are made then.
    m_cells = std::vector<int>();
}

bool IntGrid::set(int row, int column, int value)
{
    if (!contains(row, column))
        return false;
    if (m_cells.empty()) {
        if (value == 0)
            return true;
        hugepages::reserve(m_cells, std::size_t(m_rows) * m_columns);
        m_cells.resize(std::size_t(m_rows) * m_columns, 0);
    }
    m_cells[std::size_t(row) * m_columns + column] = value;
    return true;
}
