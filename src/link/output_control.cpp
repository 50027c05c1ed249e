#include "link/output_control.h"

#include "link/commands.h"

namespace devlink {

OutputControl::OutputControl(editor::MainWindow& window) : w_(window)
{
    w_.grid("MSFlexGrid_csd_input").onCellClick = [this](int row, int col) { cellClick(row, col); };
}

void OutputControl::cellClick(int row, int col)
{
    if (col != ControlColumn)
        return;
    for (const OutputRow& r : OutputRows) {
        if (r.row != row)
            continue;
        ui::Grid& grid = w_.grid("MSFlexGrid_csd_input");
        grid.setCell(row, col, grid.cell(row, col).empty() ? "v" : "");
        w_.set_output_command = true;
        return;
    }
}

}  // namespace devlink
