// The change handler of the 26 spinner pairs: counts, sizes and the panels' row and column selectors.

#include "controls/strings.h"
#include "frame/form1.h"

#include <cstdlib>

namespace {
const QString &dataLossQuestion()
{
    static const QString text = QStringLiteral(
        u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？");
    return text;
}
} // namespace

bool Form1::cellDataHasContent() const
{
    // What is left of the cell data once delimiters, line ends, row markers and the blanks round
    // them are gone is typed content; an untouched template leaves nothing.
    QString rest = vb::replace(RB3.text(), Text6.text(), QString());
    rest = vb::trim(vb::replace(rest, QStringLiteral(u"\r\n"), QString()));
    rest = vb::trim(vb::replace(rest, QStringLiteral(u"]]"), QString()));
    rest = vb::trim(vb::replace(rest, QStringLiteral(u"[["), QString()));
    return !rest.isEmpty();
}

void Form1::VScroll1_Change(int Index)
{
    if ((Index == 0 || Index == 1) && cellDataHasContent()) {
        if (msgBox(dataLossQuestion(), vbmsg::YesNo) == vbmsg::No)
            return;
        RB3.setText(QString());
    }
    differs = true;
    Text1(Index).setText(vb::str(std::llabs(VScroll1(Index).value())));
    if (Index == 0 || Index == 1)
        CountChange();
    differs = false;
}

void Form1::CountChange()
{
    const int cols = int(vb::Val(Text1(1).text()));
    for (TextGrid *grid : {&cellImages, &cellColors, &cellSpans, &cellColspans, &cellNowraps,
                           &cellFontColors, &cellFontSizes})
        grid->redimPreserve(1000, cols);
    rowHeights.redimPreserve(1000);
    columnWidths.redimPreserve(cols);
    cellIchiYoko.redimPreserve(1000, cols);
    cellIchiTate.redimPreserve(1000, cols);

    for (int i = 4; i <= 25; ++i) {
        if (!isSelector(i))
            continue;
        VScroll1(i).setMin(isRowSelector(i) ? VScroll1(0).value() : VScroll1(1).value());
        Text1(i).setText(QStringLiteral(u"1"));
    }
    BuildRowTemplate();
}
