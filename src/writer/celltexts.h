#pragma once

#include "controls/hugepages.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

// The cell texts of one generation, indexed (row, column) with inclusive upper bounds, as the parser
// cut them out of the cell-data text. A cell is kept as a piece of that text until a writer rewrites
// it, so cutting a large table copies no cell. Reading outside the bounds gives the empty text.
// Cells may be read, and cells of different rows rewritten, from several threads at once.
class CellTexts
{
public:
    // Every cell empty, no source text.
    void redim(int rowUpper, int columnUpper) { reset(QString(), rowUpper, columnUpper); }
    // Every cell empty; pieces given later by setPiece() refer to `source`.
    void reset(const QString &source, int rowUpper, int columnUpper);
    // The cell becomes the piece [start, start + length) of the source text.
    void setPiece(int row, int column, qsizetype start, qsizetype length)
    {
        m_pieces[index(row, column)] = {start, length};
    }

    // The size of the text the pieces refer to.
    qsizetype sourceSize() const { return m_source.size(); }

    int rowUpper() const { return m_rows - 1; }
    int columnUpper() const { return m_columns - 1; }
    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < m_rows && column < m_columns;
    }

    QStringView get(int row, int column) const
    {
        if (!contains(row, column))
            return {};
        const Piece &piece = m_pieces[index(row, column)];
        if (piece.length < 0)
            return m_owned[std::size_t(row)][std::size_t(column)];
        return QStringView(m_source).sliced(piece.start, piece.length);
    }
    // The cell as a text of its own, for rewriting in place; the cell must exist.
    QString &at(int row, int column)
    {
        Piece &piece = m_pieces[index(row, column)];
        std::unique_ptr<QString[]> &owned = m_owned[std::size_t(row)];
        if (!owned)
            owned = std::make_unique<QString[]>(std::size_t(m_columns));
        QString &cell = owned[std::size_t(column)];
        if (piece.length >= 0) {
            cell = QStringView(m_source).sliced(piece.start, piece.length).toString();
            piece.length = -1;
        }
        return cell;
    }

private:
    struct Piece
    {
        qsizetype start = 0;
        qsizetype length = 0; // -1: the cell is its own text in m_owned
    };
    std::size_t index(int row, int column) const { return std::size_t(row) * m_columns + column; }

    QString m_source;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<Piece> m_pieces;
    // The texts of the cells rewritten, a row's made when one of its cells is first rewritten.
    std::vector<std::unique_ptr<QString[]>> m_owned;
};

inline void CellTexts::reset(const QString &source, int rowUpper, int columnUpper)
{
    m_source = source;
    m_rows = rowUpper + 1 > 0 ? rowUpper + 1 : 0;
    m_columns = columnUpper + 1 > 0 ? columnUpper + 1 : 0;
    const std::size_t n = std::size_t(m_rows) * std::size_t(m_columns);
    m_pieces.clear();
    hugepages::reserve(m_pieces, n);
    m_pieces.resize(n);
    m_owned.clear();
    m_owned.resize(std::size_t(m_rows));
}
