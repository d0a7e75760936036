// The HTML table writer: the design and the cell data become the source of one <table>.
// Every literal below is part of the product, blanks and quotes included.

#include "controls/strings.h"
#include "designer/filelinks.h"
#include "frame/form1.h"
#include "writer/attributetext.h"
#include "writer/cellrewrite.h"

namespace {

const QString &CrLf = attributetext::crLf();
using attributetext::quoted;
using attributetext::whole;

bool zeroOrEmpty(const QString &text)
{
    return text.isEmpty() || text == u"0";
}

// out := literal + quoted value, reusing out's buffer (the cell writers run a million times).
void setAttr(QString &out, QStringView literal, const QString &value)
{
    out.resize(0);
    out += literal;
    out += u'"';
    out += value;
    out += u'"';
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
    if (!strings::trim(Text2(2).text()).isEmpty())
        background = QStringLiteral(u" background=") + quoted(Text2(2).text());

    borderColors.clear();
    if (!Text5(0).text().isEmpty())
        borderColors += QStringLiteral(u" bordercolor=") + quoted(Text5(0).text());
    if (!strings::trim(Text5(1).text()).isEmpty())
        borderColors += QStringLiteral(u" bordercolorlight=") + quoted(Text5(1).text());
    if (!strings::trim(Text5(2).text()).isEmpty())
        borderColors += QStringLiteral(u" bordercolordark=") + quoted(Text5(2).text());

    cellSpacing.clear();
    if (!zeroOrEmpty(Text3.text()))
        cellSpacing = QStringLiteral(u" cellspacing=") +
                      quoted(whole(strings::Val(Text3.text()), unitFactor));

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
            value = whole(strings::Val(box), 0.35);
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
    if (yoko == u"center" || yoko == u"right")
        setAttr(align, u" align = ", yoko);
    else
        align.resize(0);
    const QString &tate = cellIchiTate.get(row, column);
    if (tate == u"top" || tate == u"bottom")
        setAttr(valign, u" valign = ", tate);
    else
        valign.resize(0);
}

void Form1::GetCellAttrs(int row, int column, QString &background, QString &bgcolor,
                         QString &height, QString &width)
{
    auto one = [](QString &out, QStringView literal, const QString &value) {
        if (value.isEmpty())
            out.resize(0);
        else
            setAttr(out, literal, value);
    };
    one(background, u" background=", cellImages.get(row, column));
    one(bgcolor, u" bgcolor=", cellColors.get(row, column));
    one(height, u" height=", rowHeights.get(row));
    one(width, u" width=", columnWidths.get(column));
}

void Form1::spanAttrs(int row, int column, QString &out) const
{
    out.resize(0);
    const QString &span = cellSpans.get(row, column);
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
    if (!first.isEmpty() && first != u"1") {
        out += u" rowspan=\"";
        out += first;
        out += u'"';
    }
    if (!second.isEmpty() && second != u"1") {
        out += u" colspan=\"";
        out += second;
        out += u'"';
    }
}

void Form1::MakeCellContent(int row, int column, QString &nowrap)
{
    nowrap.resize(0);
    if (!cellNowraps.get(row, column).isEmpty())
        nowrap += u" nowrap ";
    const QString &color = cellFontColors.get(row, column);
    const QString &size = cellFontSizes.get(row, column);
    if (!color.isEmpty() || !size.isEmpty()) {
        QString open = QStringLiteral(u"<font");
        if (!color.isEmpty())
            open += QStringLiteral(u" color=\"") + color + u'"';
        if (!size.isEmpty())
            open += QStringLiteral(u" size=\"") + size + u'"';
        open += u'>';
        cellrewrite::wrap(cellTexts.at(row, column), open, u"</font>");
    }

    // An inserted text file replaces the whole cell by the file's text. The marker closes at the
    // first "]" after "[%"; a marker without it, or naming a file that cannot be read, stays as
    // text. A marker beginning "[%%" names its file percent-encoded.
    const QStringView text = cellTexts.get(row, column);
    qsizetype p1 = text.indexOf(u'[');
    while (p1 >= 0 && (p1 + 1 >= text.size() || text.at(p1 + 1) != u'%'))
        p1 = text.indexOf(u'[', p1 + 1);
    if (p1 < 0)
        return;
    const qsizetype p2 = text.indexOf(u']', p1 + 2);
    if (p2 < 0)
        return;
    // Read as the hidden box RB2 would load it, but without touching the control: the rows are
    // written on several threads.
    if (std::optional<QString> loaded =
            RichTextBox::readFileText(filelinks::markerFile(text.sliced(p1 + 2, p2 - p1 - 2))))
        cellrewrite::replace(cellTexts.at(row, column), std::move(*loaded));
}

void Form1::MakeCellTag(int row, int column, QString &rowsText, const QString &align,
                        const QString &valign, const QString &bgcolor, const QString &background,
                        const QString &span, const QString &nowrap, const QString &height,
                        const QString &width)
{
    if (m_writeComments)
        cellrewrite::wrap(cellTexts.at(row, column), QString(QStringLiteral(u"<!--") + QString::number(column + 1)
                                        + QStringLiteral(u"列:") + QString::number(row + 1)
                                        + QStringLiteral(u"行-->")));
    const bool heading = (m_headingMode == 1 && row == 0) || (m_headingMode == 2 && column == 0)
                         || (m_headingMode == 3 && (row == 0 || column == 0));
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
    rowsText += cellTexts.get(row, column);
    rowsText += u"</";
    rowsText += tag;
    rowsText += u'>';
    rowsText += CrLf;
}
