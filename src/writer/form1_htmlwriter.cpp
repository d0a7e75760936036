// The HTML table writer: the design and the cell data become the source of one <table>.
// Every literal below is part of the product, blanks and quotes included.

#include "controls/strings.h"
#include "frame/form1.h"

namespace {

const QString CrLf = QStringLiteral(u"\r\n");

QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

// A length in the length unit, divided by its factor and rounded half to even, in decimal.
QString whole(double value, double factor)
{
    return QString::number(vb::roundHalfEven(value / factor), 'f', 0);
}

bool zeroOrEmpty(const QString &text)
{
    return text.isEmpty() || text == u"0";
}

} // namespace

void Form1::GetFrameRules(QString &frame, QString &rules)
{
    static const char16_t *frames[] = {u"border", u"above", u"below", u"hsides", u"vsides",
                                       u"lhs",    u"rhs",   u"box",   u"void"};
    frame.clear();
    for (int i = 0; i < 9; ++i)
        if (Option11(i).value())
            frame = QStringLiteral(u" frame=") + quoted(QString::fromUtf16(frames[i]));
    QString value = QStringLiteral(u"none");
    if (Option12(0).value())
        value = QStringLiteral(u"all");
    else if (Option12(1).value())
        value = QStringLiteral(u"rows");
    else if (Option12(2).value())
        value = QStringLiteral(u"cols");
    rules = QStringLiteral(u" rules=") + quoted(value);
}

void Form1::GetTableAttrs(QString &background, QString &borderColors, QString &cellSpacing,
                          QString &bgcolor)
{
    background.clear();
    if (!vb::trim(Text2(2).text()).isEmpty())
        background = QStringLiteral(u" background=") + quoted(Text2(2).text());

    borderColors.clear();
    if (!Text5(0).text().isEmpty())
        borderColors += QStringLiteral(u" bordercolor=") + quoted(Text5(0).text());
    if (!vb::trim(Text5(1).text()).isEmpty())
        borderColors += QStringLiteral(u" bordercolorlight=") + quoted(Text5(1).text());
    if (!vb::trim(Text5(2).text()).isEmpty())
        borderColors += QStringLiteral(u" bordercolordark=") + quoted(Text5(2).text());

    cellSpacing.clear();
    if (!zeroOrEmpty(Text3.text()))
        cellSpacing = QStringLiteral(u" cellspacing=")
                      + quoted(whole(vb::Val(Text3.text()), unitFactor));

    bgcolor.clear();
    if (Text5(3).text() != u"#000000")
        bgcolor = QStringLiteral(u" bgcolor=") + quoted(Text5(3).text());
}

QString Form1::sizeAttrs() const
{
    // An empty size box (the CSV import empties them) leaves its attribute out.
    auto one = [this](const char16_t *name, const QString &box) -> QString {
        if (box.isEmpty())
            return {};
        const QString unit = Combo1(0).text();
        QString value;
        if (unit == u"ﾊﾟｰｾﾝﾄ")
            value = box + u'%';
        else if (unit == u"ﾋﾟｸｾﾙ")
            value = box;
        else
            value = whole(vb::Val(box), 0.35);
        return QString::fromUtf16(name) + quoted(value);
    };
    return one(u" width=", Text1(2).text()) + one(u" height=", Text1(3).text());
}

void Form1::MakeRowTag(int row, int, QString &rowsText)
{
    rowsText += u"<tr";
    const QString &yoko = cellIchiYoko.get(row, 0);
    if (yoko == u"Allcenter")
        rowsText += u" align = \"center\"";
    else if (yoko == u"Allright")
        rowsText += u" align = \"right\"";
    const QString &tate = cellIchiTate.get(row, 0);
    if (tate == u"Alltop")
        rowsText += u" valign = \"top\"";
    else if (tate == u"Allbottom")
        rowsText += u" valign = \"bottom\"";
    rowsText += u'>';
}

void Form1::GetCellAlign(int row, int column, QString &align, QString &valign)
{
    const QString &yoko = cellIchiYoko.get(row, column);
    align = yoko == u"center" || yoko == u"right" ? QStringLiteral(u" align = ") + quoted(yoko)
                                                   : QString();
    const QString &tate = cellIchiTate.get(row, column);
    valign = tate == u"top" || tate == u"bottom" ? QStringLiteral(u" valign = ") + quoted(tate)
                                                  : QString();
}

void Form1::GetCellAttrs(int row, int column, QString &background, QString &bgcolor,
                         QString &height, QString &width)
{
    const QString &image = cellImages.get(row, column);
    background = image.isEmpty() ? QString() : QStringLiteral(u" background=") + quoted(image);
    const QString &color = cellColors.get(row, column);
    bgcolor = color.isEmpty() ? QString() : QStringLiteral(u" bgcolor=") + quoted(color);
    const QString &h = rowHeights.get(row);
    height = h.isEmpty() ? QString() : QStringLiteral(u" height=") + quoted(h);
    const QString &w = columnWidths.get(column);
    width = w.isEmpty() ? QString() : QStringLiteral(u" width=") + quoted(w);
}

QString Form1::spanAttrs(int row, int column) const
{
    const QString &span = cellSpans.get(row, column);
    if (span.isEmpty())
        return {};
    const qsizetype comma = span.indexOf(u',');
    const QString first = comma < 0 ? span : span.left(comma);
    const QString second = comma < 0 ? QString() : span.mid(comma + 1).section(u',', 0, 0);
    QString out;
    if (!first.isEmpty() && first != u"1")
        out += QStringLiteral(u" rowspan=") + quoted(first);
    if (!second.isEmpty() && second != u"1")
        out += QStringLiteral(u" colspan=") + quoted(second);
    return out;
}

void Form1::MakeCellContent(int row, int column, QString &nowrap)
{
    nowrap = cellNowraps.get(row, column).isEmpty() ? QString() : QStringLiteral(u" nowrap ");
    QString &text = cellTexts.at(row, column);
    const QString &color = cellFontColors.get(row, column);
    const QString &size = cellFontSizes.get(row, column);
    if (!color.isEmpty() && !size.isEmpty())
        text = QStringLiteral(u"<font color=") + quoted(color) + QStringLiteral(u" size=")
               + quoted(size) + u'>' + text + QStringLiteral(u"</font>");
    else if (!color.isEmpty())
        text = QStringLiteral(u"<font color=") + quoted(color) + u'>' + text
               + QStringLiteral(u"</font>");
    else if (!size.isEmpty())
        text = QStringLiteral(u"<font size=") + quoted(size) + u'>' + text
               + QStringLiteral(u"</font>");

    // An inserted text file replaces the whole cell by the file's text. The marker closes at the
    // first "]" after "[%"; a marker without it, or naming a file that cannot be read, stays as text.
    const qsizetype p1 = text.indexOf(u"[%");
    if (p1 < 0)
        return;
    const qsizetype p2 = text.indexOf(u']', p1 + 2);
    if (p2 < 0)
        return;
    if (RB2.loadFile(text.mid(p1 + 2, p2 - p1 - 2)))
        text = RB2.text();
}

void Form1::MakeCellTag(int row, int column, QString &rowsText, const QString &align,
                        const QString &valign, const QString &bgcolor, const QString &background,
                        const QString &span, const QString &nowrap, const QString &height,
                        const QString &width)
{
    QString &text = cellTexts.at(row, column);
    if (mkoment.checked())
        text.prepend(QStringLiteral(u"<!--") + QString::number(column + 1) + QStringLiteral(u"列:")
                     + QString::number(row + 1) + QStringLiteral(u"行-->"));
    const bool heading = (Option10(1).value() && row == 0) || (Option10(2).value() && column == 0)
                         || (Option10(3).value() && (row == 0 || column == 0));
    const QString tag = heading ? QStringLiteral(u"th") : QStringLiteral(u"td");
    rowsText += u'<';
    rowsText += tag;
    rowsText += align;
    rowsText += valign;
    rowsText += height;
    rowsText += width;
    rowsText += nowrap;
    rowsText += span;
    rowsText += background;
    rowsText += bgcolor;
    rowsText += u'>';
    rowsText += text;
    rowsText += u"</";
    rowsText += tag;
    rowsText += u'>';
    rowsText += CrLf;
}
