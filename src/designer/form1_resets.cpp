// The panels' reset buttons, which throw away every value of one attribute and put the panel's
// selectors back on the first row and column, and the small "cl" buttons that empty one box.

#include "controls/strings.h"
#include "frame/form1.h"

namespace {
constexpr quint32 Black = 0x000000;
constexpr quint32 Green = 0x00FF00;
constexpr quint32 DarkBlue = 0x800000;

const QString One = QStringLiteral(u"1");

// An attribute grid thrown away and made again empty, for the table's columns and the spare one.
void resetGrid(const Form1 &f, TextGrid &grid)
{
    grid.redim(1000, f.columnCount());
}
} // namespace

void Form1::ResetCellAlign()
{
    resetGrid(*this, cellIchiYoko);
    VScroll1(22).setValue(-1);
    VScroll1(23).setValue(-1);
    VScroll1(22).setEnabled(true);
    VScroll1(23).setEnabled(true);
    Text1(22).setText(One);
    Text1(23).setText(One);
    Option9(0).setValue(true);
}

void Form1::ResetCellNoWrap()
{
    resetGrid(*this, cellNowraps);
    VScroll1(12).setValue(-1);
    VScroll1(13).setValue(-1);
    VScroll1(12).setEnabled(true);
    VScroll1(13).setEnabled(true);
    Text1(12).setText(One);
    Text1(13).setText(One);
}

void Form1::ResetCellFontColors()
{
    Text5(5).setText(QString());
    resetGrid(*this, cellFontColors);
    // The spinners follow their boxes.
    VScroll1(14).setEnabled(true);
    VScroll1(15).setEnabled(true);
    Text1(14).setText(One);
    Text1(15).setText(One);
    Text5(5).setForeColor(Green);
}

void Form1::ResetCellFontSizes()
{
    Text5(6).setText(QString());
    resetGrid(*this, cellFontSizes);
    VScroll1(17).setEnabled(true);
    VScroll1(16).setEnabled(true);
    Text1(16).setText(One);
    Text1(17).setText(One);
    Text5(6).setBackColor(Black);
}

void Form1::ResetCellVAlign()
{
    resetGrid(*this, cellIchiTate);
    VScroll1(24).setValue(-1);
    VScroll1(25).setValue(-1);
    VScroll1(24).setEnabled(true);
    VScroll1(25).setEnabled(true);
    Text1(24).setText(One);
    Text1(25).setText(One);
    Option9(3).setForeColor(DarkBlue);
    Option9(5).setForeColor(DarkBlue);
    Option9(4).setValue(true);
}

void Form1::ResetCellBackImages()
{
    Text2(1).setText(QString());
    resetGrid(*this, cellImages);
    VScroll1(4).setValue(-1);
    VScroll1(5).setValue(-1);
    Text1(4).setText(One);
    Text1(5).setText(One);
}

void Form1::ResetCellBackColors()
{
    Text5(4).setText(QString());
    resetGrid(*this, cellColors);
    VScroll1(6).setValue(-1);
    VScroll1(7).setValue(-1);
    VScroll1(6).setEnabled(true);
    VScroll1(7).setEnabled(true);
    Text1(6).setText(One);
    Text1(7).setText(One);
}

void Form1::ResetCellMerges()
{
    resetGrid(*this, cellSpans);
    for (int i = 8; i <= 11; ++i)
        VScroll1(i).setValue(-1);
    for (int i = 8; i <= 11; ++i)
        Text1(i).setText(One);

    // Cells that blank removal emptied under a merge get their template blanks back: an empty cell
    // between two delimiters, and an empty first cell of a row. Without a delimiter a row is one
    // cell and nothing can have been emptied between cells, so the text is left as it is.
    const QString d = Text6.text();
    if (d.isEmpty())
        return;
    const QString blanks = QStringLiteral(u"     ");
    QString text = strings::replace(RB3.text(), d + d, d + blanks + d);
    text = strings::replace(text, QStringLiteral(u"[[") + d, QStringLiteral(u"[[") + blanks + d);
    RB3.setText(text);
}

void Form1::ResetRowHeights()
{
    rowHeights.redim(1000);
    VScroll1(18).setValue(-1);
    VScroll1(20).setValue(0);
    Text1(18).setText(One);
    Text1(20).setText(QString());
}

void Form1::ResetColumnWidths()
{
    columnWidths.redim(1000);
    VScroll1(19).setValue(-1);
    VScroll1(21).setValue(0);
    Text1(19).setText(One);
    Text1(21).setText(QString());
}

void Form1::ClearCellBackImage()
{
    // The box empties whatever the selectors hold; only a cell of the table takes the change.
    Text2(1).setText(QString());
    const std::optional<int> row = selectedIndex(4);
    const std::optional<int> column = selectedIndex(5);
    if (row && column)
        cellImages.set(*row, *column, Text2(1).text());
}

void Form1::ClearTableBackImage()
{
    Text2(2).setText(QString());
}

void Form1::ClearColourBox(int Index)
{
    Text5(Index).setText(QString());
    if (Index != 4)
        Text5(5).setForeColor(Green);
}
