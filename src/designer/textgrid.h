#pragma once

#include <QString>
#include <vector>

// A two-dimensional grid of texts with inclusive bounds 0..rowUpper × 0..columnUpper, as the design's
// per-cell attributes are kept. Every access is bounds-checked: reading outside gives the empty text,
// writing outside is ignored (and reported by the return value).
//
// Only the cells that hold a text are stored (per row, in column order), so an unset cell costs no
// memory and changing the bounds costs time only for the cells that hold a text. Setting a cell to
// the empty text forgets it. Reading from several threads at once is safe; writing is not.
class TextGrid
{
public:
    TextGrid() = default;
    TextGrid(int rowUpper, int columnUpper) { redim(rowUpper, columnUpper); }

    // Throws the contents away and makes an empty grid with the given upper bounds (-1 = no elements).
    void redim(int rowUpper, int columnUpper);
    // Changes the bounds keeping every element that lies inside both the old and the new bounds.
    void redimPreserve(int rowUpper, int columnUpper);

    int rowUpper() const { return m_rows - 1; }
    int columnUpper() const { return m_columns - 1; }
    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < m_rows && column < m_columns;
    }

    const QString &get(int row, int column) const;
    bool set(int row, int column, const QString &value);
    // Direct access for in-place rewriting; the cell must exist. Makes the cell stored.
    QString &at(int row, int column);

    // How many cells are stored (hold a text, or were reached through at()).
    qsizetype storedCount() const;
    // Calls visit(column, text) for every stored cell of a row (some may hold the empty text), in
    // ascending column order: a walk over a large, mostly empty grid costs only its stored cells.
    template <typename Visit>
    void forEachStored(int row, Visit &&visit) const
    {
        if (row < 0 || std::size_t(row) >= m_cells.size())
            return;
        for (const Entry &entry : m_cells[std::size_t(row)])
            visit(entry.column, entry.value);
    }

private:
    struct Entry
    {
        int column;
        QString value;
    };

public:
    // Reads one row from left to right at a constant cost per cell: the columns asked for must
    // not decrease. Reads as get() does; the grid must not change meanwhile.
    class RowReader
    {
    public:
        const QString &get(int column)
        {
            while (m_next != m_end && m_next->column < column)
                ++m_next;
            return m_next != m_end && m_next->column == column && column < m_columns ? m_next->value
                                                                                     : empty();
        }

    private:
        friend class TextGrid;
        const Entry *m_next = nullptr;
        const Entry *m_end = nullptr;
        int m_columns = 0;
    };
    RowReader row(int row) const;

private:
    using Row = std::vector<Entry>;
    // The text of every cell not stored; read for most cells of a large table, on several threads.
    static const QString &empty() { return s_empty; }
    static inline const QString s_empty;
    // The entry of the column in the row, or the place where it would go.
    static Row::iterator find(Row &row, int column);

    int m_rows = 0;
    int m_columns = 0;
    // Only as many rows as up to the last one that holds a text.
    std::vector<Row> m_cells;
};

// A one-dimensional list of texts with inclusive bounds 0..upper, bounds-checked like TextGrid.
class TextList
{
public:
    TextList() = default;
    explicit TextList(int upper) { redim(upper); }
    void redim(int upper) { m_items.assign(std::size_t(upper + 1 > 0 ? upper + 1 : 0), QString()); }
    void redimPreserve(int upper) { m_items.resize(std::size_t(upper + 1 > 0 ? upper + 1 : 0)); }
    int upper() const { return int(m_items.size()) - 1; }
    bool contains(int i) const { return i >= 0 && i < int(m_items.size()); }
    const QString &get(int i) const { return contains(i) ? m_items[std::size_t(i)] : s_empty; }
    bool set(int i, const QString &value);

private:
    static inline const QString s_empty;
    std::vector<QString> m_items;
};

// A two-dimensional grid of whole numbers, bounds-checked the same way (0 outside).
class IntGrid
{
public:
    void redim(int rowUpper, int columnUpper);
    int rowUpper() const { return m_rows - 1; }
    int columnUpper() const { return m_columns - 1; }
    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < m_rows && column < m_columns;
    }
    int get(int row, int column) const
    {
        return contains(row, column) && !m_cells.empty()
                   ? m_cells[std::size_t(row) * m_columns + column]
                   : 0;
    }
    bool set(int row, int column, int value);

private:
    int m_rows = 0;
    int m_columns = 0;
    // Empty while every cell is 0 (a table without a merge needs no cells at all).
    std::vector<int> m_cells;
};
