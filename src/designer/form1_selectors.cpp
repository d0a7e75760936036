// The change handler of the 26 spinner pairs: counts, sizes and the panels' row and column
// selectors. A selector change shows the selected cell's stored value in its panel; a count change
// re-bounds the attribute grids and puts every selector back on 1.

#include "controls/strings.h"
#include "designer/form1_selectordisplays.h"
#include "frame/form1.h"

#include <cmath>
#include <cstdlib>

int Form1::rowCount() const
{
    return std::abs(VScroll1(0).value());
}

int Form1::columnCount() const
{
    return std::abs(VScroll1(1).value());
}

std::optional<int> Form1::selectedIndex(int Index) const
{
    // Compared as a double, so that no text (however large, or not a number) can overflow.
    const double index = strings::roundHalfEven(strings::Val(Text1(Index).text()) - 1);
    const int count = isRowSelector(Index) ? rowCount() : columnCount();
    if (!(index >= 0 && index < count))
        return std::nullopt;
    return int(index);
}

bool Form1::cellDataHasContent() const
{
    // What is left of the cell data once delimiters, line ends, row markers and the blanks round
    // them are gone is typed content; an untouched template leaves nothing.
    QString rest = strings::replace(RB3.text(), Text6.text(), QString());
    rest = strings::trim(strings::replace(rest, QStringLiteral(u"\r\n"), QString()));
    rest = strings::trim(strings::replace(rest, QStringLiteral(u"]]"), QString()));
    rest = strings::trim(strings::replace(rest, QStringLiteral(u"[["), QString()));
    return !rest.isEmpty();
}

bool Form1::mayDiscardCellData()
{
    return msgBox(QStringLiteral(
                      u"現在埋め込みデータ－が有ります、データ－を消去しても宜しいですか？"),
                  msgbox::YesNo) == msgbox::Yes;
}

void Form1::VScroll1_Change(int Index)
{
    if (Index == m_quietSpinner)
        return;
    if ((Index == 0 || Index == 1) && !m_cellDataParked && cellDataHasContent()) {
        if (!mayDiscardCellData()) {
            revertCount(Index);
            return;
        }
        RB3.setText(QString());
    }
    differs = true;
    Text1(Index).setText(numberOf(VScroll1(Index)));
    if (Index == 0 || Index == 1)
        CountChange();
    else
        showSelectedValue(*this, Index);
    differs = false;
}

void Form1::revertCount(int Index)
{
    // The panels are still ranged to the count in force: the selectors' lower end is minus it.
    const int applied = VScroll1(Index == 0 ? 4 : 5).min();
    m_quietSpinner = Index;
    VScroll1(Index).setValue(applied);
    m_quietSpinner = -1;
    // A count typed into the box goes back too; the spinner already holds it, so nothing runs.
    Text1(Index).setText(numberOf(VScroll1(Index)));
}

void Form1::CountChange()
{
    const int cols = columnCount();
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
        const int lowest = isRowSelector(i) ? VScroll1(0).value() : VScroll1(1).value();
        // A selector beyond the new count is moved onto it first, so that its panel shows the
        // cell it then names: the new range alone would move it without a change, and the "1"
        // below moves nothing when the count is 1.
        if (VScroll1(i).value() < lowest)
            VScroll1(i).setValue(lowest);
        VScroll1(i).setMin(lowest);
        Text1(i).setText(QStringLiteral(u"1"));
    }
    BuildRowTemplate();
}
