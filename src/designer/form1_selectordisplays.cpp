// What a panel shows when one of its selectors moves: the selected cell's stored colour, font
// colour, font size or text position, and "All" in the other selector when the whole row or column
// holds one value.

#include "designer/form1_selectordisplays.h"

#include "controls/strings.h"
#include "frame/form1.h"

#include <cstdlib>

namespace {
constexpr quint32 Green = 0x00FF00;

const QString All = QStringLiteral(u"All");

// The number a display reads from a selector box: an "All", an empty box or text count as 1.
double shownNumber(const TextBox &box)
{
    const double number = strings::Val(box.text());
    return number == 0 ? 1 : number;
}

// A 0-based index from a display's number, when it lies inside the count.
std::optional<int> lineIndex(double number, int count)
{
    const double index = strings::roundHalfEven(number - 1);
    if (!(index >= 0 && index < count))
        return std::nullopt;
    return int(index);
}

// Every entry of the line (a row when `rowLine`, else a column) equals the first one and is not
// empty; for no-wrap every entry is "no".
bool isUniform(const TextGrid &grid, bool rowLine, int line, int count, const QString &required)
{
    const QString &first = rowLine ? grid.get(line, 0) : grid.get(0, line);
    if (first.isEmpty() || (!required.isNull() && first != required))
        return false;
    for (int k = 0; k < count; ++k)
        if ((rowLine ? grid.get(line, k) : grid.get(k, line)) != first)
            return false;
    return true;
}

// The other selector of a panel reads "All" and stands still while the moved one's whole line
// holds one value; otherwise it shows its own number and moves again.
void showPartner(Form1 &f, int partner)
{
    if (!f.differs) {
        f.Text1(partner).setText(All);
        f.VScroll1(partner).setEnabled(false);
    } else {
        f.Text1(partner).setText(numberOf(f.VScroll1(partner)));
        f.VScroll1(partner).setEnabled(true);
    }
}

void showCellImage(Form1 &f)
{
    // A box that names no cell of the table (an "All", a refused number) leaves the path shown.
    const std::optional<int> row = f.selectedIndex(4);
    const std::optional<int> column = f.selectedIndex(5);
    if (row && column)
        f.Text2(1).setText(f.cellImages.get(*row, *column));
}

void showRowHeight(Form1 &f)
{
    f.Text1(18).setText(numberOf(f.VScroll1(18)));
    const std::optional<int> row = f.selectedIndex(18);
    f.Text1(20).setText(row ? f.rowHeights.get(*row) : QString());
}

void showColumnWidth(Form1 &f)
{
    f.Text1(19).setText(numberOf(f.VScroll1(19)));
    const std::optional<int> column = f.selectedIndex(19);
    f.Text1(21).setText(column ? f.columnWidths.get(*column) : QString());
}

void keepMergeOrder(Form1 &f, int Index)
{
    // The last row (column) of a merged block never stands before the first: moving the first past
    // it pulls it along, moving it before the first puts it back. A larger number is a more
    // negative value.
    const int from = Index <= 9 ? 8 : 10;
    const int to = from + 1;
    if (std::abs(f.VScroll1(to).value()) >= std::abs(f.VScroll1(from).value()))
        return;
    f.VScroll1(to).setValue(f.VScroll1(from).value());
    if (Index == 11)
        f.Text1(11).setBackColor(0x000000);
}

void scanColourPanel(Form1 &f, int Index)
{
    const bool rowMoved = Index == 6;
    const int partner = rowMoved ? 7 : 6;
    const std::optional<int> r = lineIndex(shownNumber(f.Text1(6)), f.rowCount());
    const std::optional<int> c = lineIndex(shownNumber(f.Text1(7)), f.columnCount());
    // A box naming no cell of the table shows the colour as not set.
    const QString colour = r && c ? f.cellColors.get(*r, *c) : QString();
    const std::optional<int> line = rowMoved ? r : c;

    f.differs = !(line && isUniform(f.cellColors, rowMoved, *line,
                                    rowMoved ? f.columnCount() : f.rowCount(), QString()));
    if (!f.differs) {
        f.Text1(partner).setText(All);
        f.Text5(4).setText(colour);
        f.Text1(Index).setText(numberOf(f.VScroll1(Index)));
        f.VScroll1(partner).setEnabled(false);
    } else {
        f.Text1(Index).setText(numberOf(f.VScroll1(Index)));
        f.Text1(partner).setText(numberOf(f.VScroll1(partner)));
        f.Text5(4).setText(colour);
        f.VScroll1(partner).setEnabled(true);
    }
}

void scanNoWrapPanel(Form1 &f, int Index)
{
    const bool rowMoved = Index == 12;
    const int partner = rowMoved ? 13 : 12;
    const std::optional<int> line = f.selectedIndex(Index);
    f.differs =
        !(line && isUniform(f.cellNowraps, rowMoved, *line,
                            rowMoved ? f.columnCount() : f.rowCount(), QStringLiteral(u"no")));
    showPartner(f, partner);
}

void scanFontPanel(Form1 &f, int Index)
{
    const bool colourPanel = Index <= 15;
    const int rowBox = colourPanel ? 14 : 16;
    const bool rowMoved = Index == rowBox;
    const int partner = rowMoved ? rowBox + 1 : rowBox;
    const TextGrid &grid = colourPanel ? f.cellFontColors : f.cellFontSizes;
    TextBox &valueBox = f.Text5(colourPanel ? 5 : 6);

    valueBox.setForeColor(Green);
    const std::optional<int> line = f.selectedIndex(Index);
    f.differs = !(line && isUniform(grid, rowMoved, *line,
                                    rowMoved ? f.columnCount() : f.rowCount(), QString()));
    showPartner(f, partner);
    f.Text1(Index).setText(numberOf(f.VScroll1(Index)));

    // "All" (or anything below 1) stands for the first row or column.
    auto index = [](const TextBox &box, int count) {
        const double number = strings::Val(box.text());
        return lineIndex(number < 1 ? 1 : number, count);
    };
    const std::optional<int> r = index(f.Text1(rowBox), f.rowCount());
    const std::optional<int> c = index(f.Text1(rowBox + 1), f.columnCount());
    valueBox.setText(r && c ? grid.get(*r, *c) : QString());
}

struct PositionPanel
{
    int rowBox;
    const char16_t *markers[2]; // whole-row markers, looked for at column 0 of the row
    const char16_t *values[2];  // per-cell values
    int options[3];             // the option of each marker/value, then the one for anything else
};
const PositionPanel Horizontal{22, {u"Allcenter", u"Allright"}, {u"center", u"right"}, {1, 2, 0}};
const PositionPanel Vertical{24, {u"Alltop", u"Allbottom"}, {u"top", u"bottom"}, {3, 5, 4}};

void showPosition(Form1 &f, int Index)
{
    const PositionPanel &panel = Index <= 23 ? Horizontal : Vertical;
    const TextGrid &grid = Index <= 23 ? f.cellIchiYoko : f.cellIchiTate;
    const int columnBox = panel.rowBox + 1;
    const int partner = Index == panel.rowBox ? columnBox : panel.rowBox;
    const std::optional<int> r = lineIndex(shownNumber(f.Text1(panel.rowBox)), f.rowCount());
    const std::optional<int> c = lineIndex(shownNumber(f.Text1(columnBox)), f.columnCount());

    const QString marker = r ? grid.get(*r, 0) : QString();
    if (marker == QStringView(panel.markers[0])) {
        f.Text1(partner).setText(All);
        f.Option9(panel.options[0]).setValue(true);
        f.VScroll1(partner).setEnabled(false);
        return;
    }
    if (marker == QStringView(panel.markers[1])) {
        f.Text1(partner).setText(All);
        f.VScroll1(partner).setEnabled(false);
        f.Option9(panel.options[1]).setValue(true);
        return;
    }
    // A box naming no cell of the table shows the position as not set.
    const QString value = r && c ? grid.get(*r, *c) : QString();
    const int option = value == QStringView(panel.values[0])   ? panel.options[0]
                       : value == QStringView(panel.values[1]) ? panel.options[1]
                                                               : panel.options[2];
    f.Option9(option).setValue(true);
    f.Text1(Index).setText(numberOf(f.VScroll1(Index)));
    // The other box shows the number it was read as; one naming nothing in the table is left.
    const std::optional<int> other = partner == columnBox ? c : r;
    if (other)
        f.Text1(partner).setText(strings::str(*other + 1));
    f.VScroll1(partner).setEnabled(true);
}
} // namespace

void showSelectedValue(Form1 &f, int Index)
{
    switch (Index) {
    case 6:
    case 7:
        scanColourPanel(f, Index);
        break;
    case 4:
    case 5:
        showCellImage(f);
        break;
    case 12:
    case 13:
        scanNoWrapPanel(f, Index);
        break;
    case 14:
    case 15:
    case 16:
    case 17:
        scanFontPanel(f, Index);
        break;
    case 18:
        showRowHeight(f);
        break;
    case 19:
        showColumnWidth(f);
        break;
    case 8:
    case 9:
    case 10:
    case 11:
        keepMergeOrder(f, Index);
        break;
    case 22:
    case 23:
    case 24:
    case 25:
        showPosition(f, Index);
        break;
    default:
        break; // the counts, sizes and the height and width values only show their number
    }
}
