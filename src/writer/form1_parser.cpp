// The cell-data parser: the cell-data text, without its row markers, becomes the cell text grid and
// the designer's row and column counts.

#include "controls/strings.h"
#include "frame/form1.h"
#include "controls/parallel.h"

namespace {
constexpr int MaxCount = 1000;

// Counts the rows (LF characters) and the longest row's cells of text[from, to); a row's count
// grows by one for each occurrence of the delimiter. Records where each row's LF stands. Stops
// early, returning false, once either count exceeds MaxCount.
bool countCellsIn(const QString &text, qsizetype from, qsizetype to, const QString &delimiter,
                  int &rows, int &columns, std::vector<qsizetype> &lineEnds)
{
    rows = 0;
    columns = 0;
    int cells = 1;
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    const qsizetype d = delimiter.size();
    const QChar first = d > 0 ? delimiter.at(0) : QChar();
    for (qsizetype i = from; i < to; ++i) {
        if (p[i] == u'\n') {
            lineEnds.push_back(i);
            ++rows;
            columns = std::max(columns, cells);
            cells = 1;
            if (rows > MaxCount || columns > MaxCount)
                return false;
        } else if (d > 0 && p[i] == first && (d == 1 || QStringView(p + i, n - i).startsWith(delimiter))) {
            ++cells;
            i += d - 1;
        }
    }
    return rows <= MaxCount && columns <= MaxCount;
}

// The same over the whole text. A long text is counted in slices on several threads, each from
// a line start; a delimiter holding an LF may stand across a line start, and is counted in one
// pass.
bool countCells(const QString &text, const QString &delimiter, int &rows, int &columns,
                std::vector<qsizetype> &lineEnds)
{
    const qsizetype n = text.size();
    const int workers =
        delimiter.contains(u'\n') ? 1 : parallel::workersFor(n, parallel::TextPerWorker);
    if (workers == 1)
        return countCellsIn(text, 0, n, delimiter, rows, columns, lineEnds);
    const std::vector<qsizetype> bounds = parallel::lineSlices(text, workers);
    struct Slice
    {
        int rows = 0;
        int columns = 0;
        bool fits = true;
        std::vector<qsizetype> lineEnds;
    };
    std::vector<Slice> slices(static_cast<std::size_t>(workers));
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        int sliceRows = 0;
        int sliceColumns = 0;
        std::vector<qsizetype> ends;
        const bool fits = countCellsIn(text, bounds[std::size_t(w)], bounds[std::size_t(w) + 1],
                                       delimiter, sliceRows, sliceColumns, ends);
        Slice &slice = slices[std::size_t(w)];
        slice.rows = sliceRows;
        slice.columns = sliceColumns;
        slice.fits = fits;
        slice.lineEnds = std::move(ends);
    });
    rows = 0;
    columns = 0;
    for (Slice &slice : slices) {
        rows += slice.rows;
        columns = std::max(columns, slice.columns);
        if (!slice.fits || rows > MaxCount || columns > MaxCount)
            return false;
        lineEnds.insert(lineEnds.end(), slice.lineEnds.begin(), slice.lineEnds.end());
    }
    return true;
}
} // namespace

bool Form1::ParseCellData(QString &text, int &rows, int &columns, bool numberCells)
{
    text = strings::trim(text);
    if (text.isEmpty()) {
        const std::optional<int> r = countIn(0);
        const std::optional<int> c = countIn(1);
        if (!r || !c)
            return false;
        rows = *r;
        columns = *c;
        cellTexts.redim(rows, columns);
        if (numberCells)
            parallel::slices(rows + 1, parallel::workersFor(qint64(rows) * columns),
                             [&](int, long long first, long long last) {
                                 for (long long row = first; row < last; ++row)
                                     numberRow(int(row), 0);
                             });
        return true;
    }
    QString terminated = text;
    if (!terminated.endsWith(u'\n'))
        terminated += QStringLiteral(u"\r\n");
    const QString delimiter = Text6.text();
    int r = 0;
    int c = 0;
    std::vector<qsizetype> lineEnds;
    if (!countCells(terminated, delimiter, r, c, lineEnds))
        return false;

    text = terminated;
    rows = r;
    columns = c;
    cellTexts.reset(text, rows, columns);

    // The counts go through the spinners so that the grids and selectors follow them; the cell data
    // is parked meanwhile: the count change neither asks about it nor replaces it with a template,
    // so it stays in place with its caret and the lines in view.
    if (VScroll1(0).value() != -rows || VScroll1(1).value() != -columns) {
        m_cellDataParked = true;
        VScroll1(0).setValue(-rows);
        VScroll1(1).setValue(-columns);
        m_cellDataParked = false;
    }
    Text1(0).setText(strings::str(rows));
    Text1(1).setText(strings::str(columns));

    cutCells(text, delimiter, lineEnds, numberCells);
    return true;
}

void Form1::cutCells(const QString &text, const QString &delimiter,
                     const std::vector<qsizetype> &lineEnds, bool numberCells)
{
    const int rows = int(lineEnds.size());
    // Cells are cut out of the text row by row (rows on several threads for a large table) as
    // pieces of it; only a cell holding a CR (dropped wherever it stands) or numbered gets a text
    // of its own.
    const QChar *p = text.constData();
    const qsizetype d = delimiter.size();
    const int columns = cellTexts.columnUpper() + 1;
    auto cutRow = [&](int row) {
        qsizetype cellStart = row == 0 ? 0 : lineEnds[std::size_t(row - 1)] + 1;
        const qsizetype end = lineEnds[std::size_t(row)];
        // What the row's numbered cells will take: the row's text and a number for every cell.
        const qsizetype room = end - cellStart + qsizetype(columns) * 12;
        int column = 0;
        QString prefix;
        QString withoutCr;
        auto store = [&](qsizetype at) {
            QStringView piece(p + cellStart, at - cellStart);
            // The CR of a row's CR LF ends its last cell: the piece simply stops before it.
            if (piece.endsWith(u'\r'))
                piece.chop(1);
            const bool hasCr = piece.contains(u'\r');
            if (!numberCells && !hasCr) {
                cellTexts.setPiece(row, column, cellStart, piece.size());
                return;
            }
            if (hasCr) {
                withoutCr = piece.toString();
                withoutCr.remove(u'\r');
                piece = withoutCr;
            }
            // The number goes in front as the cell is made.
            if (numberCells)
                cellNumber(prefix, row, column);
            cellTexts.setMade(row, column, numberCells ? QStringView(prefix) : QStringView(), piece,
                              room);
        };
        const QChar first = d > 0 ? delimiter.at(0) : QChar();
        for (qsizetype i = cellStart; i < end; ++i) {
            if (d > 0 && p[i] == first && QStringView(p + i, end - i).startsWith(delimiter)) {
                store(i);
                ++column;
                i += d - 1;
                cellStart = i + 1;
            }
        }
        store(end);
        if (numberCells)
            numberRow(row, column + 1);
    };
    parallel::slices(rows, parallel::workersFor(text.size(), 200000),
                     [&](int, long long first, long long last) {
                         for (long long row = first; row < last; ++row)
                             cutRow(int(row));
                     });
}
