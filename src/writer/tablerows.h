#pragma once

#include "designer/textgrid.h"
#include "writer/celltexts.h"

#include <vector>

// The rows of the table source, written from the design's per-cell attributes and the cell texts
// of one generation. A row is its row tag, then every cell no merge covers (its tag with the
// attributes, its content, its end tag and CR LF), then "</tr>" and CR LF.
//
// A row's text is measured before it is written, so that the whole source can be laid out first
// and each row written once, straight into its place. Rows are independent: different rows may be
// measured, written or rewritten on different threads at once.
class TableRows
{
public:
    struct Design
    {
        const TextGrid &ichiYoko, &ichiTate, &images, &colors, &spans, &nowraps, &fontColors,
            &fontSizes;
        const TextList &heights, &widths;
        // th for the first row (1), the first column (2), both (3), or none (0).
        int headingMode = 0;
        // Each cell's content starts with a comment naming its column and row.
        bool comments = false;
    };

    TableRows(const Design &design, CellTexts &cells, const IntGrid &covered, int rows,
              int columns);

    // The length of the row's text. A cell whose content (its font tags around its text) holds an
    // inserted-file marker naming a file that can be read takes the file's text as its content
    // here, in the cell texts; so a row is measured once, before it is written.
    qsizetype measure(int row);
    // Writes the row's text at `out`, which has room for what measure() gave; returns its end.
    QChar *write(int row, QChar *out);
    // Rewrites the row's emitted cells in the cell texts as their content is written (comment,
    // font tags, inserted file), for the script writer, which takes them from there.
    void rewrite(int row);

private:
    template <typename Sink> void emitRow(int row, Sink &sink);
    template <typename Sink>
    void emitContent(int row, int column, const QString &fontColor, const QString &fontSize,
                     Sink &sink);
    // The cell's content through an inserted file, if its marker names one that can be read.
    void resolveFile(int row, int column, const QString &fontColor, const QString &fontSize);
    bool isResolved(int row, int column) const;

    Design m_design;
    CellTexts &m_cells;
    const IntGrid &m_covered;
    int m_columns;
    // Per row, the columns whose content became an inserted file's text, in order.
    std::vector<std::vector<int>> m_resolved;
};
