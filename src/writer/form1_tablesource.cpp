// MakeTableSource: parse the cell data, work out the merges, and write the whole <table> into RB1.

#include "controls/strings.h"
#include "frame/form1.h"

namespace {

const QString CrLf = QStringLiteral(u"\r\n");

QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

QString whole(double value, double factor)
{
    return QString::number(vb::roundHalfEven(value / factor), 'f', 0);
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

} // namespace

bool Form1::MakeTableSource()
{
    QString text = vb::replace(vb::replace(RB3.text(), QStringLiteral(u"]]"), QString()),
                               QStringLiteral(u"[["), QString());
    if (text.isEmpty()) {
        text = blankTemplate(int(vb::Val(Text1(0).text())), int(vb::Val(Text1(1).text())),
                             Text6.text());
        RB3.setText(text);
    }
    int rows = 0;
    int columns = 0;
    if (!ParseCellData(text, rows, columns))
        return false;
    BuildMergeMap();

    if (Check4.value() == 1) {
        for (int i = 0; i <= cellTexts.rowUpper(); ++i)
            for (int j = 0; j <= cellTexts.columnUpper(); ++j)
                cellTexts.at(i, j).prepend(u'(' + QString::number(i + 1) + u','
                                           + QString::number(j + 1) + u')');
    }

    QString frame, rules, background, borderColors, cellSpacing, bgcolor;
    GetFrameRules(frame, rules);
    GetTableAttrs(background, borderColors, cellSpacing, bgcolor);

    QString rowsText;
    rowsText.reserve(qsizetype(rows) * columns * 24 + text.size() * 2);
    for (int i = 0; i < rows; ++i) {
        MakeRowTag(i, 0, rowsText);
        for (int j = 0; j < columns; ++j) {
            if (coveredCells.get(i, j) == 1)
                continue;
            QString align, valign, cellBackground, cellBgcolor, height, width, nowrap;
            GetCellAlign(i, j, align, valign);
            GetCellAttrs(i, j, cellBackground, cellBgcolor, height, width);
            const QString span = spanAttrs(i, j);
            MakeCellContent(i, j, nowrap);
            MakeCellTag(i, j, rowsText, align, valign, cellBgcolor, cellBackground, span, nowrap,
                        height, width);
        }
        rowsText += u"</tr>";
        rowsText += CrLf;
    }

    const double border = vb::Val(txtwaku2(1).text());
    const QString borderText =
        border != 0 ? QStringLiteral(u" border=") + quoted(whole(border, unitFactor)) : QString();
    const QString position =
        QStringLiteral(u" align=")
        + quoted(Optionichi2(0).value()   ? QStringLiteral(u"left")
                 : Optionichi2(1).value() ? QStringLiteral(u"center")
                                          : QStringLiteral(u"right"));
    const QString size = sizeAttrs();
    const QString padding =
        Text4.text().isEmpty() || Text4.text() == u"0"
            ? QString()
            : QStringLiteral(u" cellpadding=") + quoted(whole(vb::Val(Text4.text()), unitFactor));
    QString caption;
    if (!vb::trim(Txttit.text()).isEmpty())
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

    QString source;
    source.reserve(startTag.size() + caption.size() + rowsText.size() + 10);
    source += startTag;
    source += CrLf;
    source += caption;
    source += rowsText;
    source += QStringLiteral(u"</table>");
    rowsText = QString();
    RB1.setText(source);
    return true;
}
