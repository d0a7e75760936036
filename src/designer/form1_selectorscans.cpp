// What a panel shows when one of its selectors moves: the selected cell's stored colour, font
// colour, font size or text position, and "All" in the other selector when the whole row or column
// holds one value.

#include "controls/strings.h"
#include "frame/form1.h"

#include <cstdlib>

namespace {
constexpr quint32 Green = 0x00FF00;

const QString All = QStringLiteral(u"All");

QString numberOf(const ScrollBar &bar)
{
    return vb::str(std::llabs(bar.value()));
}

// The number a display reads from a selector box: an "All", an empty box or text count as 1.
double shownNumber(const TextBox &box)
{
    const double number = vb::Val(box.text());
    return number == 0 ? 1 : number;
}

// A 0-based index from a display's number, when it lies inside the count.
std::optional<int> lineIndex(double number, int count)
{
    const double index = vb::roundHalfEven(number - 1);
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
} // namespace

void Form1::scanColourPanel(int Index)
{
    const bool rowMoved = Index == 6;
    const int partner = rowMoved ? 7 : 6;
    const std::optional<int> r = lineIndex(shownNumber(Text1(6)), rowCount());
    const std::optional<int> c = lineIndex(shownNumber(Text1(7)), columnCount());
    // A box naming no cell of the table shows the colour as not set.
    const QString colour = r && c ? cellColors.get(*r, *c) : QString();
    const std::optional<int> line = rowMoved ? r : c;

    differs = !(line && isUniform(cellColors, rowMoved, *line,
                                  rowMoved ? columnCount() : rowCount(), QString()));
    if (!differs) {
        Text1(partner).setText(All);
        Text5(4).setText(colour);
        Text1(Index).setText(numberOf(VScroll1(Index)));
        VScroll1(partner).setEnabled(false);
    } else {
        Text1(Index).setText(numberOf(VScroll1(Index)));
        Text1(partner).setText(numberOf(VScroll1(partner)));
        Text5(4).setText(colour);
        VScroll1(partner).setEnabled(true);
    }
}

void Form1::scanNoWrapPanel(int Index)
{
    const bool rowMoved = Index == 12;
    const int partner = rowMoved ? 13 : 12;
    const std::optional<int> line = selectedIndex(Index);
    differs = !(line && isUniform(cellNowraps, rowMoved, *line,
                                  rowMoved ? columnCount() : rowCount(), QStringLiteral(u"no")));
    if (!differs) {
        Text1(partner).setText(All);
        VScroll1(partner).setEnabled(false);
    } else {
        Text1(partner).setText(numberOf(VScroll1(partner)));
        VScroll1(partner).setEnabled(true);
    }
}

void Form1::scanFontPanel(int Index)
{
    const bool colourPanel = Index <= 15;
    const int rowBox = colourPanel ? 14 : 16;
    const bool rowMoved = Index == rowBox;
    const int partner = rowMoved ? rowBox + 1 : rowBox;
    const TextGrid &grid = colourPanel ? cellFontColors : cellFontSizes;
    TextBox &valueBox = Text5(colourPanel ? 5 : 6);

    valueBox.setForeColor(Green);
    const std::optional<int> line = selectedIndex(Index);
    differs = !(line &&
                isUniform(grid, rowMoved, *line, rowMoved ? columnCount() : rowCount(), QString()));
    if (!differs) {
        Text1(partner).setText(All);
        VScroll1(partner).setEnabled(false);
    } else {
        Text1(partner).setText(numberOf(VScroll1(partner)));
        VScroll1(partner).setEnabled(true);
    }
    Text1(Index).setText(numberOf(VScroll1(Index)));

    // "All" (or anything below 1) stands for the first row or column.
    auto index = [](const TextBox &box, int count) {
        const double number = vb::Val(box.text());
        return lineIndex(number < 1 ? 1 : number, count);
    };
    const std::optional<int> r = index(Text1(rowBox), rowCount());
    const std::optional<int> c = index(Text1(rowBox + 1), columnCount());
    valueBox.setText(r && c ? grid.get(*r, *c) : QString());
}

namespace {
struct PositionPanel
{
    int rowBox;
    const char16_t *markers[2]; // whole-row markers, looked for at column 0 of the row
    const char16_t *values[2];  // per-cell values
    int options[3];             // the option of each marker/value, then the one for anything else
};
const PositionPanel Horizontal{22, {u"Allcenter", u"Allright"}, {u"center", u"right"}, {1, 2, 0}};
const PositionPanel Vertical{24, {u"Alltop", u"Allbottom"}, {u"top", u"bottom"}, {3, 5, 4}};
} // namespace

void Form1::showPosition(int Index)
{
    const PositionPanel &panel = Index <= 23 ? Horizontal : Vertical;
    const TextGrid &grid = Index <= 23 ? cellIchiYoko : cellIchiTate;
    const int columnBox = panel.rowBox + 1;
    const int partner = Index == panel.rowBox ? columnBox : panel.rowBox;
    const std::optional<int> r = lineIndex(shownNumber(Text1(panel.rowBox)), rowCount());
    const std::optional<int> c = lineIndex(shownNumber(Text1(columnBox)), columnCount());

    const QString marker = r ? grid.get(*r, 0) : QString();
    if (marker == QStringView(panel.markers[0])) {
        Text1(partner).setText(All);
        Option9(panel.options[0]).setValue(true);
        VScroll1(partner).setEnabled(false);
        return;
    }
    if (marker == QStringView(panel.markers[1])) {
        Text1(partner).setText(All);
        VScroll1(partner).setEnabled(false);
        Option9(panel.options[1]).setValue(true);
        return;
    }
    // A box naming no cell of the table shows the position as not set.
    const QString value = r && c ? grid.get(*r, *c) : QString();
    const int option = value == QStringView(panel.values[0])   ? panel.options[0]
                       : value == QStringView(panel.values[1]) ? panel.options[1]
                                                               : panel.options[2];
    Option9(option).setValue(true);
    Text1(Index).setText(numberOf(VScroll1(Index)));
    // The other box shows the number it was read as; one naming nothing in the table is left.
    const std::optional<int> other = partner == columnBox ? c : r;
    if (other)
        Text1(partner).setText(vb::str(*other + 1));
    VScroll1(partner).setEnabled(true);
}
