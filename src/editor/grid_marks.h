#pragma once
#include "ui/grid.h"

// Small operations on the marks of settings grids.
namespace editor {

// A cell whose text is not exactly "v" becomes "v"; "v" becomes empty.
// Returns whether the cell is marked afterwards.
inline bool toggleMark(ui::Grid& g, int row, int col)
{
    const bool on = !g.marked(row, col);
    g.setMarked(row, col, on);
    return on;
}

// Empties the cells of rows [firstRow, lastRow] and columns [firstCol, lastCol].
inline void clearCells(ui::Grid& g, int firstRow, int lastRow, int firstCol, int lastCol)
{
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            g.setCell(r, c, "");
}

}  // namespace editor
