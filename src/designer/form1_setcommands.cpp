// The panels' Set buttons: a panel's value reaches the attribute grids only here. Either selector
// may read "All": the value then goes into a whole row, a whole column or every cell of the table.

#include "controls/strings.h"
#include "frame/form1.h"

namespace {
constexpr quint32 Black = 0x000000;
constexpr quint32 Green = 0x00FF00;

bool isAll(const TextBox &box)
{
    return box.text() == u"All";
}

// The cells the "All" rule covers for a row and a column selector: 1 every cell, 2 one column,
// 3 one row, 4 one cell; 0 when a selector names nothing in the table.
struct CellSelection
{
    int step = 0;
    int row = 0;
    int column = 0;
};

CellSelection selectedCells(const Form1 &f, int rowSelector, int columnSelector)
{
    const bool allRows = isAll(f.Text1(rowSelector));
    const bool allColumns = isAll(f.Text1(columnSelector));
    const std::optional<int> row = allRows ? std::optional<int>(0) : f.selectedIndex(rowSelector);
    const std::optional<int> column =
        allColumns ? std::optional<int>(0) : f.selectedIndex(columnSelector);
    if (!row || !column)
        return {};
    const int step = allRows && allColumns ? 1 : allRows ? 2 : allColumns ? 3 : 4;
    return {step, *row, *column};
}

template <typename Write>
void forEachCell(const Form1 &f, const CellSelection &selection, Write write)
{
    switch (selection.step) {
    case 1:
        for (int r = 0; r < f.rowCount(); ++r)
            for (int c = 0; c < f.columnCount(); ++c)
                write(r, c);
        break;
    case 2:
        for (int r = 0; r < f.rowCount(); ++r)
            write(r, selection.column);
        break;
    case 3:
        for (int c = 0; c < f.columnCount(); ++c)
            write(selection.row, c);
        break;
    case 4:
        write(selection.row, selection.column);
        break;
    default:
        break;
    }
}

void setPosition(Form1 &f, TextGrid &grid, int rowSelector, int columnSelector,
                 const QString &value)
{
    // Under "All" a position is stored in its marked form in every cell covered. Left and middle
    // store nothing: they clear the cells covered, the whole table included.
    const CellSelection selection = selectedCells(f, rowSelector, columnSelector);
    const QString stored =
        selection.step == 4 || value.isEmpty() ? value : QStringLiteral(u"All") + value;
    forEachCell(f, selection, [&](int r, int c) { grid.set(r, c, stored); });
}

void setMerge(Form1 &f)
{
    const std::optional<int> firstRow = f.selectedIndex(8);
    const std::optional<int> lastRow = f.selectedIndex(9);
    const std::optional<int> firstColumn = f.selectedIndex(10);
    const std::optional<int> lastColumn = f.selectedIndex(11);
    // A block outside the table, or one whose end stands before its start, is not stored.
    if (!firstRow || !lastRow || !firstColumn || !lastColumn || *lastRow < *firstRow ||
        *lastColumn < *firstColumn)
        return;
    f.cellSpans.set(*firstRow, *firstColumn,
                    strings::str(*lastRow - *firstRow + 1) + u',' +
                        strings::str(*lastColumn - *firstColumn + 1));
    f.Text1(9).setBackColor(Black);
    f.Text1(11).setBackColor(Black);
    f.RemoveBlanksInFields();
}

void setNoWrap(Form1 &f)
{
    CellSelection selection = selectedCells(f, 12, 13);
    // For one cell a selector reading 0 (or nothing) stands for the first row or column.
    if (selection.step == 0 && !isAll(f.Text1(12)) && !isAll(f.Text1(13))) {
        auto index = [&f](int selector) -> std::optional<int> {
            if (strings::roundHalfEven(strings::Val(f.Text1(selector).text()) - 1) == -1)
                return 0;
            return f.selectedIndex(selector);
        };
        const std::optional<int> row = index(12);
        const std::optional<int> column = index(13);
        if (row && column)
            selection = {4, *row, *column};
    }
    if (selection.step == 0)
        return;
    f.VScroll1(12).setEnabled(true);
    f.VScroll1(13).setEnabled(true);
    forEachCell(f, selection,
                [&f](int r, int c) { f.cellNowraps.set(r, c, QStringLiteral(u"no")); });
    if (selection.step == 1 || selection.step == 2)
        f.VScroll1(12).setEnabled(false);
    else if (selection.step == 3)
        f.VScroll1(13).setEnabled(false);
}

void setLength(Form1 &f, TextList &list, int selector, int valueBox)
{
    const QString &text = f.Text1(valueBox).text();
    if (text.isEmpty() || text == u"0")
        return;
    const std::optional<int> line = f.selectedIndex(selector);
    // Millimetres are stored as pixels.
    const std::optional<int> pixels = strings::toWhole(strings::Val(text) / f.unitFactor);
    if (!line || !pixels)
        return;
    list.set(*line, strings::str(*pixels));
}
} // namespace

void Form1::Command6_Click(int Index)
{
    // The "×" of the completion settings panel shares the Set buttons' array.
    if (Index == 6)
        CloseCompletionPanel();
    else
        SetCellAttribute(Index);
}

void Form1::SetCellAttribute(int Index)
{
    switch (Index) {
    case 0:
        setMerge(*this);
        break;
    case 1:
        setNoWrap(*this);
        break;
    case 2:
        setLength(*this, rowHeights, 18, 20);
        break;
    case 3:
        setLength(*this, columnWidths, 19, 21);
        break;
    case 4: {
        const QString value = Option9(1).value()   ? QStringLiteral(u"center")
                              : Option9(2).value() ? QStringLiteral(u"right")
                                                   : QString();
        setPosition(*this, cellIchiYoko, 22, 23, value);
        break;
    }
    case 5: {
        const QString value = Option9(3).value()   ? QStringLiteral(u"top")
                              : Option9(5).value() ? QStringLiteral(u"bottom")
                                                   : QString();
        setPosition(*this, cellIchiTate, 24, 25, value);
        break;
    }
    default:
        break;
    }
}

void Form1::SetCellFontSize()
{
    const CellSelection selection = selectedCells(*this, 16, 17);
    if (selection.step == 0)
        return;
    const QString value = Text5(6).text();
    forEachCell(*this, selection, [&](int r, int c) { cellFontSizes.set(r, c, value); });
    Text5(6).setBackColor(Black);
}

void Form1::SetCellBackColor()
{
    const CellSelection selection = selectedCells(*this, 6, 7);
    if (selection.step == 0)
        return;
    Text5(4).setForeColor(Green);
    const QString value = Text5(4).text();
    forEachCell(*this, selection, [&](int r, int c) { cellColors.set(r, c, value); });
}

void Form1::SetCellFontColor()
{
    const CellSelection selection = selectedCells(*this, 14, 15);
    if (selection.step == 0)
        return;
    const QString value = Text5(5).text();
    forEachCell(*this, selection, [&](int r, int c) { cellFontColors.set(r, c, value); });
    Text5(5).setForeColor(Green);
}
