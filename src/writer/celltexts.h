#pragma once

#include "controls/hugepages.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

// The cell texts of one generation, indexed (row, column) with inclusive upper bounds, as the
// parser cut them out of the cell-data text. A cell is kept as a piece of that text, or of a text
// the row keeps for the cells it made (numbered ones), until a writer rewrites it, so cutting a
// large table copies no cell and allocates per row, not per cell. Reading outside the bounds gives
// the empty text. Cells may be read, and cells of different rows made or rewritten, from several
// threads at once.
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
        m_pieces[index(row, column)] = Piece::of(start, length, Source);
    }
    // The cell becomes `prefix` + `text`, kept in its row's text. `room` is what the row will
    // need in all, a hint given with its first cell.
    void setMade(int row, int column, QStringView prefix, QStringView text, qsizetype room = 0)
    {
        QString &made = m_made[std::size_t(row)];
        if (made.isEmpty() && room > 0)
            made.reserve(room);
        const qsizetype start = made.size();
        made += prefix;
        made += text;
        m_pieces[index(row, column)] = Piece::of(start, made.size() - start, Made);
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
        switch (piece.kind()) {
        case Source:
            return QStringView(m_source).sliced(piece.start, piece.length());
        case Made:
            return QStringView(m_made[std::size_t(row)]).sliced(piece.start, piece.length());
        default:
            return m_owned[std::size_t(row)][std::size_t(column)];
        }
    }
    // The cell as a text of its own, for rewriting in place; the cell must exist.
    QString &at(int row, int column) { return own(row, column, true); }
    // The cell as a text of its own, to be given a new text whole (cellrewrite::replace): a cell
    // that is still a piece becomes the empty text, without the copy of its piece at() makes.
    QString &toReplace(int row, int column) { return own(row, column, false); }

private:
    QString &own(int row, int column, bool keep)
    {
        Piece &piece = m_pieces[index(row, column)];
        std::unique_ptr<QString[]> &owned = m_owned[std::size_t(row)];
        if (!owned)
            owned = std::make_unique<QString[]>(std::size_t(m_columns));
        QString &cell = owned[std::size_t(column)];
        if (piece.kind() != Owned) {
            cell = keep ? get(row, column).toString() : QString();
            piece = Piece::of(0, 0, Owned);
        }
        return cell;
    }

    enum Kind { Source, Made, Owned };
    struct Piece
    {
        qsizetype start = 0;
        qsizetype lengthAndKind = 0; // the length times 4, plus the kind
        static Piece of(qsizetype start, qsizetype length, Kind kind)
        {
            return {start, length * 4 + kind};
        }
        qsizetype length() const { return lengthAndKind >> 2; }
        Kind kind() const { return Kind(lengthAndKind & 3); }
    };
    std::size_t index(int row, int column) const { return std::size_t(row) * m_columns + column; }

    QString m_source;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<Piece> m_pieces;
    // Per row: the text of the cells it made, and the texts of the cells rewritten (made when one
    // of its cells is first rewritten).
    std::vector<QString> m_made;
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
    m_made.clear();
    m_made.resize(std::size_t(m_rows));
    m_owned.clear();
    m_owned.resize(std::size_t(m_rows));
}
