// The HTML table writer: the design and the cell data become the source of one <table>.
// Every literal below is part of the product, blanks and quotes included.

#include "controls/strings.h"
#include "frame/form1.h"
#include "writer/attributetext.h"

namespace {

using attributetext::quoted;
using attributetext::whole;

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
