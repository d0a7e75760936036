// The rows of the HTML table writer. Every literal below is part of the product, blanks and quotes
// included. One emitter serves three sinks (measuring, writing into place, appending to a cell
// text), so what is measured is what is written.

#include "writer/tablerows.h"

#include "controls/richtextbox.h"
#include "designer/filelinks.h"
#include "writer/cellrewrite.h"

#include <algorithm>
#include <cstring>

namespace {

// A literal's view with its length known when compiling: copying it then costs a few moves.
template <std::size_t N> constexpr QStringView lit(const char16_t (&text)[N])
{
    return QStringView(text, qsizetype(N - 1));
}

int digitCount(int value)
{
    int n = 1;
    for (; value >= 10; value /= 10)
        ++n;
    return n;
}

struct Measure
{
    static constexpr bool resolves = true;
    qsizetype size = 0;
    void put(QStringView text) { size += text.size(); }
    void put(char16_t) { ++size; }
    void number(int value) { size += digitCount(value); }
};

struct Write
{
    static constexpr bool resolves = false;
    char16_t *out;
    void put(QStringView text)
    {
        // An empty view may have no data at all, which memcpy must not be given.
        if (text.isEmpty())
            return;
        std::memcpy(out, text.utf16(), std::size_t(text.size()) * sizeof(char16_t));
        out += text.size();
    }
    void put(char16_t c) { *out++ = c; }
    void number(int value)
    {
        const int n = digitCount(value);
        for (int k = n - 1; k >= 0; --k, value /= 10)
            out[k] = char16_t(u'0' + value % 10);
        out += n;
    }
};

struct Append
{
    static constexpr bool resolves = true;
    QString &text;
    void put(QStringView piece) { text += piece; }
    void put(char16_t c) { text += QChar(c); }
    void number(int value) { cellrewrite::appendNumber(text, value); }
};

// `literal` (which ends in the opening quote), the value, the closing quote.
template <typename Sink> void attribute(Sink &sink, QStringView literal, QStringView value)
{
    sink.put(literal);
    sink.put(value);
    sink.put(u'"');
}

// rowspan from the span text's part before its first comma, colspan from the part after it (up to
// a second comma); a part that is empty or "1" is left out.
template <typename Sink> void spanAttributes(Sink &sink, const QString &span)
{
    if (span.isEmpty())
        return;
    const qsizetype comma = span.indexOf(u',');
    const QStringView first = comma < 0 ? QStringView(span) : QStringView(span).left(comma);
    QStringView second;
    if (comma >= 0) {
        second = QStringView(span).mid(comma + 1);
        const qsizetype next = second.indexOf(u',');
        if (next >= 0)
            second = second.left(next);
    }
    if (!first.isEmpty() && first != lit(u"1"))
        attribute(sink, lit(u" rowspan=\""), first);
    if (!second.isEmpty() && second != lit(u"1"))
        attribute(sink, lit(u" colspan=\""), second);
}

// The cell text in its font tags, when the cell has a font colour or size.
template <typename Sink>
void fontAndText(Sink &sink, QStringView text, const QString &color, const QString &size)
{
    const bool font = !color.isEmpty() || !size.isEmpty();
    if (font) {
        sink.put(lit(u"<font"));
        if (!color.isEmpty())
            attribute(sink, lit(u" color=\""), color);
        if (!size.isEmpty())
            attribute(sink, lit(u" size=\""), size);
        sink.put(u'>');
    }
    sink.put(text);
    if (font)
        sink.put(lit(u"</font>"));
}

bool holdsBracket(QStringView text)
{
    for (QChar c : text)
        if (c == u'[')
            return true;
    return false;
}

} // namespace

TableRows::TableRows(const Design &design, CellTexts &cells, const IntGrid &covered, int rows,
                     int columns)
    : m_design(design), m_cells(cells), m_covered(covered), m_columns(columns),
      m_resolved(std::size_t(std::max(rows, 0)))
{}

qsizetype TableRows::measure(int row)
{
    Measure sink;
    emitRow(row, sink);
    return sink.size;
}

QChar *TableRows::write(int row, QChar *out)
{
    Write sink{reinterpret_cast<char16_t *>(out)};
    emitRow(row, sink);
    return reinterpret_cast<QChar *>(sink.out);
}

void TableRows::rewrite(int row)
{
    TextGrid::RowReader fontColors = m_design.fontColors.row(row);
    TextGrid::RowReader fontSizes = m_design.fontSizes.row(row);
    QString content;
    for (int j = 0; j < m_columns; ++j) {
        if (m_covered.get(row, j) == 1)
            continue;
        content.clear();
        Append sink{content};
        emitContent(row, j, fontColors.get(j), fontSizes.get(j), sink);
        cellrewrite::replace(m_cells.toReplace(row, j), QString(content));
    }
}

bool TableRows::isResolved(int row, int column) const
{
    const std::vector<int> &columns = m_resolved[std::size_t(row)];
    return !columns.empty() && std::binary_search(columns.begin(), columns.end(), column);
}

void TableRows::resolveFile(int row, int column, const QString &fontColor, const QString &fontSize)
{
    // The marker is looked for in the content as it stands with its font tags; it closes at the
    // first "]" after its "[%". A marker without one, or naming a file that cannot be read, stays
    // as text. A marker beginning "[%%" names its file percent-encoded.
    QString content;
    Append sink{content};
    fontAndText(sink, m_cells.get(row, column), fontColor, fontSize);
    qsizetype p1 = content.indexOf(u'[');
    while (p1 >= 0 && (p1 + 1 >= content.size() || content.at(p1 + 1) != u'%'))
        p1 = content.indexOf(u'[', p1 + 1);
    if (p1 < 0)
        return;
    const qsizetype p2 = content.indexOf(u']', p1 + 2);
    if (p2 < 0)
        return;
    // Read as the hidden box RB2 would load it, but without touching the control: rows are
    // written on several threads.
    const QStringView marker = QStringView(content).sliced(p1 + 2, p2 - p1 - 2);
    std::optional<QString> loaded = RichTextBox::readFileText(filelinks::markerFile(marker));
    if (!loaded)
        return;
    cellrewrite::replace(m_cells.toReplace(row, column), std::move(*loaded));
    std::vector<int> &columns = m_resolved[std::size_t(row)];
    columns.insert(std::upper_bound(columns.begin(), columns.end(), column), column);
}

template <typename Sink>
void TableRows::emitContent(int row, int column, const QString &fontColor, const QString &fontSize,
                            Sink &sink)
{
    if (m_design.comments) {
        sink.put(lit(u"<!--"));
        sink.number(column + 1);
        sink.put(lit(u"列:"));
        sink.number(row + 1);
        sink.put(lit(u"行-->"));
    }
    if constexpr (Sink::resolves) {
        if (!isResolved(row, column) && (holdsBracket(m_cells.get(row, column)) ||
                                         fontColor.contains(u'[') || fontSize.contains(u'[')))
            resolveFile(row, column, fontColor, fontSize);
    }
    if (isResolved(row, column))
        sink.put(m_cells.get(row, column));
    else
        fontAndText(sink, m_cells.get(row, column), fontColor, fontSize);
}

template <typename Sink> void TableRows::emitRow(int row, Sink &sink)
{
    const Design &d = m_design;
    TextGrid::RowReader ichiYoko = d.ichiYoko.row(row);
    TextGrid::RowReader ichiTate = d.ichiTate.row(row);
    TextGrid::RowReader images = d.images.row(row);
    TextGrid::RowReader colors = d.colors.row(row);
    TextGrid::RowReader spans = d.spans.row(row);
    TextGrid::RowReader nowraps = d.nowraps.row(row);
    TextGrid::RowReader fontColors = d.fontColors.row(row);
    TextGrid::RowReader fontSizes = d.fontSizes.row(row);

    // The row's own alignment is the one its first cell holds as a whole-row setting ("All...").
    sink.put(lit(u"<tr"));
    const QString &rowYoko = ichiYoko.get(0);
    if (rowYoko == lit(u"Allcenter"))
        sink.put(lit(u" align = \"center\""));
    else if (rowYoko == lit(u"Allright"))
        sink.put(lit(u" align = \"right\""));
    const QString &rowTate = ichiTate.get(0);
    if (rowTate == lit(u"Alltop"))
        sink.put(lit(u" valign = \"top\""));
    else if (rowTate == lit(u"Allbottom"))
        sink.put(lit(u" valign = \"bottom\""));
    sink.put(u'>');

    const QString &height = d.heights.get(row);
    const bool headingRow = (d.headingMode == 1 || d.headingMode == 3) && row == 0;
    const bool headingColumn = d.headingMode == 2 || d.headingMode == 3;
    for (int j = 0; j < m_columns; ++j) {
        if (m_covered.get(row, j) == 1)
            continue;
        const bool heading = headingRow || (headingColumn && j == 0);
        sink.put(heading ? lit(u"<th") : lit(u"<td"));
        const QString &yoko = ichiYoko.get(j);
        if (yoko == lit(u"center") || yoko == lit(u"right"))
            attribute(sink, lit(u" align = \""), yoko);
        const QString &tate = ichiTate.get(j);
        if (tate == lit(u"top") || tate == lit(u"bottom"))
            attribute(sink, lit(u" valign = \""), tate);
        if (!height.isEmpty())
            attribute(sink, lit(u" height=\""), height);
        if (const QString &width = d.widths.get(j); !width.isEmpty())
            attribute(sink, lit(u" width=\""), width);
        if (!nowraps.get(j).isEmpty())
            sink.put(lit(u" nowrap "));
        spanAttributes(sink, spans.get(j));
        if (const QString &image = images.get(j); !image.isEmpty())
            attribute(sink, lit(u" background=\""), image);
        if (const QString &color = colors.get(j); !color.isEmpty())
            attribute(sink, lit(u" bgcolor=\""), color);
        sink.put(u'>');
        emitContent(row, j, fontColors.get(j), fontSizes.get(j), sink);
        sink.put(heading ? lit(u"</th>\r\n") : lit(u"</td>\r\n"));
    }
    sink.put(lit(u"</tr>\r\n"));
}
