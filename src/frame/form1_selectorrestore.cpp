// After a settings document is loaded, the panels' selectors show which attributes the document
// set for a whole row or column. Only column 0 of every row and row 0 of every column are looked
// at.

#include "frame/form1.h"

#include <cstdlib>

namespace {
const QString All = QStringLiteral(u"All");
const QString One = QStringLiteral(u"1");
} // namespace

namespace {

// The row and column counts the document set.
int loadedRowCount(const Form1Controls &form)
{
    return std::abs(form.VScroll1(0).value());
}

int loadedColumnCount(const Form1Controls &form)
{
    return std::abs(form.VScroll1(1).value());
}

bool everyRowHolds(const Form1Controls &form, const TextGrid &grid, const QString &value)
{
    for (int r = 0; r < loadedRowCount(form); ++r)
        if (grid.get(r, 0) != value)
            return false;
    return true;
}

bool everyColumnHolds(const Form1Controls &form, const TextGrid &grid, const QString &value)
{
    for (int c = 0; c < loadedColumnCount(form); ++c)
        if (grid.get(0, c) != value)
            return false;
    return true;
}

void showSelector(Form1Controls &form, int index, bool all)
{
    form.Text1(index).setText(all ? All : One);
    form.VScroll1(index).setEnabled(!all);
}

struct Marker
{
    QString value;
    int option;
};

// The horizontal or vertical position panel: its two selectors and its option buttons.
void restorePositionSelectors(Form1Controls &form, const TextGrid &grid, int rowSelector,
                              const Marker &first, const Marker &second, int otherwise)
{
    const bool firstRows = everyRowHolds(form, grid, first.value);
    const bool firstColumns = everyColumnHolds(form, grid, first.value);
    const bool secondRows = everyRowHolds(form, grid, second.value);
    const bool secondColumns = everyColumnHolds(form, grid, second.value);
    bool rows = false;
    bool columns = false;
    int option = otherwise;
    if (firstRows && firstColumns) {
        rows = columns = true;
        option = first.option;
    } else if (secondRows && secondColumns) {
        rows = columns = true;
        option = second.option;
    } else if (firstRows || firstColumns) {
        rows = firstRows;
        columns = firstColumns;
        option = first.option;
    } else if (secondRows || secondColumns) {
        rows = secondRows;
        columns = secondColumns;
        option = second.option;
    } else {
        // No whole row or column is marked: the first cell's own position is shown ("center"
        // for the marker "Allcenter").
        const QString &cell = grid.get(0, 0);
        if (cell == first.value.mid(All.size()))
            option = first.option;
        else if (cell == second.value.mid(All.size()))
            option = second.option;
    }
    showSelector(form, rowSelector, rows);
    showSelector(form, rowSelector + 1, columns);
    form.Option9(option).setValue(true);
}

} // namespace

void Form1::RestoreSelectors()
{
    // Font colour and font size: a selector is marked only where its grid is uniform; the others
    // stay as they are.
    struct Uniform
    {
        TextGrid *grid;
        int rowSelector;
        int valueBox;
    };
    for (const Uniform &u : {Uniform{&cellFontColors, 14, 5}, Uniform{&cellFontSizes, 16, 6}}) {
        const QString &first = u.grid->get(0, 0);
        if (first.isEmpty())
            continue;
        if (everyRowHolds(*this, *u.grid, first)) {
            showSelector(*this, u.rowSelector, true);
            Text5(u.valueBox).setText(first);
        }
        if (everyColumnHolds(*this, *u.grid, first)) {
            showSelector(*this, u.rowSelector + 1, true);
            Text5(u.valueBox).setText(first);
        }
    }

    restorePositionSelectors(*this, cellIchiYoko, 22, {QStringLiteral(u"Allcenter"), 1},
                             {QStringLiteral(u"Allright"), 2}, 0);
    restorePositionSelectors(*this, cellIchiTate, 24, {QStringLiteral(u"Alltop"), 3},
                             {QStringLiteral(u"Allbottom"), 5}, 4);

    VScroll1(12).setEnabled(true);
    VScroll1(13).setEnabled(true);
    const QString no = QStringLiteral(u"no");
    if (everyRowHolds(*this, cellNowraps, no))
        showSelector(*this, 12, true);
    if (everyColumnHolds(*this, cellNowraps, no))
        showSelector(*this, 13, true);
}
