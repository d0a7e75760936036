#pragma once

#include "designer/textgrid.h"
#include "writer/celltexts.h"

#include <vector>

// What one generation of the table source works on: the cells cut from the cell data, the cells
// each row holds and the cells that merges cover. Made afresh by every generation; Form1 inherits
// it.
struct TableGeneration
{
    CellTexts cellTexts;
    std::vector<int> rowCellCounts;
    IntGrid coveredCells;
    std::vector<int> coveredCellFlags; // empty when no cell is covered

protected:
    // Set while the parser moves the count spinners to the counts the cell data holds: their
    // change neither asks about the cell data nor replaces it with a template.
    bool m_cellDataParked = false;
    // Read once per generation, before the rows are written (possibly on several threads).
    int m_headingMode = 0;
    bool m_writeComments = false;
};
