#pragma once

#include "designer/textgrid.h"

#include <QString>
#include <QStringList>

class ScrollBar;

// The state of the table design that its controls do not hold: the length unit, the home page, the
// per-cell attributes and the inserted file texts. Form1 inherits it; the designer's panels, the
// settings documents and the writer read and write it.
struct TableDesign
{
    // The length unit as a divisor: 1 for pixels, 0.35 for millimetres.
    double unitFactor = 1;
    // Working Boolean of the selector scans.
    bool differs = false;
    QString htmlFileName;
    QString htmlFolder;

    // Per-cell attribute grids, rows 0..1000 × columns 0..columnCount.
    TextGrid cellImages, cellColors, cellSpans, cellColspans, cellNowraps, cellFontColors,
        cellFontSizes, cellIchiTate, cellIchiYoko;
    TextList rowHeights, columnWidths;
    QStringList fileTexts{QString()};
    int fileTextCount = 0;

protected:
    // The spinner whose change is being undone; its handler does not run meanwhile.
    int m_quietSpinner = -1;
};

// The row selectors among the VScroll1 spinners (4, 6, 8, 9, 12, 14, 16, 18, 22, 24); the other
// selectors (5..19 and 22..25) choose columns.
bool isRowSelector(int index);
bool isSelector(int index);

// The number a spinner stands for, as its box shows it: the spinners hold minus the number.
QString numberOf(const ScrollBar &bar);
