// MakeTableSource: parse the cell data, work out the merges, and write the whole <table> into RB1.

#include "controls/hugepages.h"
#include "controls/strings.h"
#include "frame/form1.h"
#include "writer/attributetext.h"
#include "writer/cellrewrite.h"
#include "controls/parallel.h"
#include "writer/scripttext.h"
#include "writer/tablerows.h"

#include <algorithm>

thread_local std::vector<QString> *cellrewrite::parked = nullptr;

namespace {

const QString &CrLf = attributetext::crLf();
using attributetext::quoted;
using attributetext::whole;

// The cell data without its row markers: every "]]" removed, then every "[[" of what is left, both
// left to right, in one pass. Written into `out`, which takes views and single characters.
template <typename Out>
void writeWithoutRowMarkers(QStringView view, Out &out)
{
    const qsizetype n = view.size();
    bool openPending = false; // a "[" written last, which a following "[" makes a "[["
    qsizetype copied = 0;
    auto flush = [&](qsizetype upTo) {
        if (upTo > copied) {
            if (openPending) {
                out.put(u'[');
                openPending = false;
            }
            out.put(view.sliced(copied, upTo - copied));
        }
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = view[i].unicode();
        if (c != u'[' && c != u']')
            continue;
        if (c == u']' && !(i + 1 < n && view[i + 1] == u']'))
            continue;
        flush(i);
        if (c == u']') {
            ++i; // "]]" goes
        } else if (openPending) {
            openPending = false; // "[[" of the text once the "]]" are gone
        } else {
            openPending = true;
        }
        copied = i + 1;
    }
    flush(n);
    if (openPending)
        out.put(u'[');
}

struct CountOnly
{
    qsizetype size = 0;
    void put(QStringView part) { size += part.size(); }
    void put(char16_t) { ++size; }
};

struct WriteAt
{
    QChar *at;
    void put(QStringView part) { at = std::copy(part.begin(), part.end(), at); }
    void put(char16_t c) { *at++ = QChar(c); }
};

QString withoutRowMarkers(const QString &text)
{
    // Most texts hold markers; a text without any is handed back shared.
    if (!text.contains(u'[') && !text.contains(u']'))
        return text;
    // A long text in slices on several threads, each from a line start: no marker spans a line
    // end, and a "[" held back before one is written with it, so the slices come out as the whole
    // text would. Each slice is measured, then written in its place.
    const QStringView view(text);
    const int workers = parallel::workersFor(view.size(), parallel::TextPerWorker);
    const std::vector<qsizetype> bounds = parallel::lineSlices(view, workers);
    auto slice = [&](int w) {
        return view.sliced(bounds[std::size_t(w)], bounds[std::size_t(w) + 1] - bounds[std::size_t(w)]);
    };
    std::vector<qsizetype> offsets(std::size_t(workers) + 1, 0);
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        CountOnly count;
        writeWithoutRowMarkers(slice(w), count);
        offsets[std::size_t(w) + 1] = count.size;
    });
    for (std::size_t w = 1; w < offsets.size(); ++w)
        offsets[w] += offsets[w - 1];
    QString out = hugepages::uninitialized(offsets.back());
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        WriteAt into{out.data() + offsets[std::size_t(w)]};
        writeWithoutRowMarkers(slice(w), into);
    });
    return out;
}

// The blank template used when the cell data is empty: one line per row, a blank and the delimiter
// between cells, and no row markers.
QString blankTemplate(int rows, int columns, const QString &delimiter)
{
    const QString cell = u' ' + delimiter;
    QString line;
    for (int c = 1; c < columns; ++c)
        line += cell;
    line += CrLf;
    QString text;
    text.reserve(line.size() * std::max(rows, 0));
    for (int r = 0; r < rows; ++r)
        text += line;
    return text;
}

// The pieces of the start tag as the script's list: each non-empty piece quoted and escaped, four
// to a line, separated by commas.
QString startTagList(std::initializer_list<QString> pieces)
{
    QString list;
    int k = 0;
    for (const QString &piece : pieces) {
        const QString text = strings::replace(piece, CrLf, QString());
        if (text.isEmpty())
            continue;
        ++k;
        list += u'\'' + scripttext::escaped(text) + QStringLiteral(u"',");
        if (k % 4 == 0)
            list += CrLf;
    }
    if (list.endsWith(CrLf))
        list.chop(2);
    if (list.endsWith(u','))
        list.chop(1);
    return list;
}

} // namespace

void Form1::cellNumber(QString &out, int row, int column)
{
    out.resize(0);
    out += u'(';
    cellrewrite::appendNumber(out, row + 1);
    out += u',';
    cellrewrite::appendNumber(out, column + 1);
    out += u')';
}

void Form1::numberRow(int row, int fromColumn)
{
    // The cells from fromColumn on are still empty pieces: their number is all they hold.
    QString prefix;
    const qsizetype room = qsizetype(cellTexts.columnUpper() + 1 - fromColumn) * 12;
    for (int j = fromColumn; j <= cellTexts.columnUpper(); ++j) {
        cellNumber(prefix, row, j);
        cellTexts.setMade(row, j, prefix, QStringView(), room);
    }
}

TableRows Form1::tableRows(int rows, int columns)
{
    const TableRows::Design design{cellIchiYoko, cellIchiTate, cellImages,     cellColors,
                                   cellSpans,    cellNowraps,  cellFontColors, cellFontSizes,
                                   rowHeights,   columnWidths, m_headingMode,  m_writeComments};
    return TableRows(design, cellTexts, coveredCells, rows, columns);
}

QString Form1::writeAllRows(int rows, int columns, const QString &head, const QString &tail)
{
    // Rows are independent: each reads the design and rewrites only its own cell texts. Every
    // row is measured first, then the source is laid out and each row written straight into its
    // place; a large table on several threads, each taking a slice of the rows.
    TableRows writer = tableRows(rows, columns);
    const int workers = parallel::workersFor(qint64(rows) * columns);
    std::vector<std::vector<QString>> parked(static_cast<std::size_t>(workers));
    std::vector<qsizetype> offsets(std::size_t(rows) + 1);
    parallel::slices(rows, workers, [&](int w, long long first, long long last) {
        if (w > 0)
            cellrewrite::parked = &parked[std::size_t(w)];
        for (long long i = first; i < last; ++i)
            offsets[std::size_t(i) + 1] = writer.measure(int(i));
        cellrewrite::parked = nullptr;
    });
    parked.clear();
    offsets[0] = head.size();
    for (std::size_t i = 1; i < offsets.size(); ++i)
        offsets[i] += offsets[i - 1];

    const qsizetype size = offsets.back() + tail.size();
    QString source = hugepages::uninitialized(size, hugepages::editingRoom(size));
    QChar *out = source.data();
    std::copy(head.cbegin(), head.cend(), out);
    std::copy(tail.cbegin(), tail.cend(), out + offsets.back());
    parallel::slices(rows, workers, [&](int, long long first, long long last) {
        for (long long i = first; i < last; ++i)
            writer.write(int(i), out + offsets[std::size_t(i)]);
    });
    return source;
}

void Form1::rewriteAllCells(int rows, int columns)
{
    TableRows writer = tableRows(rows, columns);
    const int workers = parallel::workersFor(qint64(rows) * columns);
    std::vector<std::vector<QString>> parked(static_cast<std::size_t>(workers));
    parallel::slices(rows, workers, [&](int w, long long first, long long last) {
        if (w > 0)
            cellrewrite::parked = &parked[std::size_t(w)];
        for (long long i = first; i < last; ++i)
            writer.rewrite(int(i));
        cellrewrite::parked = nullptr;
    });
}

bool Form1::MakeTableSource()
{
    QString text = withoutRowMarkers(RB3.text());
    if (text.isEmpty()) {
        // Counts the designer refuses are refused before anything is built or written.
        const std::optional<int> rows = countIn(0);
        const std::optional<int> columns = countIn(1);
        if (!rows || !columns)
            return false;
        text = blankTemplate(*rows, *columns, Text6.text());
        RB3.setText(text);
    }
    int rows = 0;
    int columns = 0;
    // The cells are numbered as they are cut out of the text (the spare row too).
    const bool numberCells = Check4.value() == 1;
    if (!ParseCellData(text, rows, columns, numberCells))
        return false;
    if (numberCells && !text.isEmpty())
        numberRow(rows, 0);
    BuildMergeMap();

    QString frame, rules, background, borderColors, cellSpacing, bgcolor;
    GetFrameRules(frame, rules);
    GetTableAttrs(background, borderColors, cellSpacing, bgcolor);

    const double border = strings::Val(txtwaku2(1).text());
    const QString borderText =
        border != 0 ? QStringLiteral(u" border=") + quoted(whole(border, unitFactor)) : QString();
    const QString position =
        QStringLiteral(u" align=")
        + quoted(Optionichi2(0).value()   ? QStringLiteral(u"left")
                 : Optionichi2(1).value() ? QStringLiteral(u"center")
                                          : QStringLiteral(u"right"));
    const QString size = sizeAttrs();
    const QString padding = Text4.text().isEmpty() || Text4.text() == u"0"
                                ? QString()
                                : QStringLiteral(u" cellpadding=") +
                                      quoted(whole(strings::Val(Text4.text()), unitFactor));
    QString caption;
    if (!strings::trim(Txttit.text()).isEmpty())
        caption = QStringLiteral(u"<caption align=")
                  + quoted(Option16(0).value() ? QStringLiteral(u"top") : QStringLiteral(u"bottom"))
                  + u'>' + Txttit.text() + QStringLiteral(u"</caption>") + CrLf;

    QString startTag = QStringLiteral(u"<table ") + borderText + position + bgcolor + background
                       + borderColors + frame + rules + cellSpacing + size + padding + u'>';
    // A long start tag is broken once, at the first blank from the 100th character on.
    if (startTag.size() > 100) {
        const qsizetype blank = startTag.indexOf(u' ', 99);
        if (blank >= 0)
            startTag.replace(blank, 1, CrLf);
    }

    m_headingMode = Option10(1).value() ? 1 : Option10(2).value() ? 2 : Option10(3).value() ? 3 : 0;
    m_writeComments = mkoment.checked();
    QString source;
    if (Check5.value() == 1) {
        // The script takes the cells' contents as the rows would hold them, and the start tag as
        // a list of quoted pieces, four to a line; a caption "Tom's table" or an image path with a
        // backslash must not end its string.
        rewriteAllCells(rows, columns);
        QString list = startTagList({QStringLiteral(u"<table "), borderText, position, bgcolor,
                                     background, borderColors, frame, rules, cellSpacing, size,
                                     padding, QStringLiteral(u">"), caption});
        source = MakeJavaScriptSource(list);
    } else {
        source =
            writeAllRows(rows, columns, startTag + CrLf + caption, QStringLiteral(u"</table>"));
    }
    RB1.setText(source);
    m_sourceEdited = false;
    return true;
}
