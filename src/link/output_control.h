#pragma once
#include "editor/main_window.h"

namespace devlink {

// The control column of the status grid: a click on the row of an output or
// of the guard ticks or unticks it and asks the poll cycle to send the
// requested states.
class OutputControl {
public:
    // Hooks the cell clicks of MSFlexGrid_csd_input.
    explicit OutputControl(editor::MainWindow& window);

    void cellClick(int row, int col);

private:
    editor::MainWindow& w_;
};

}  // namespace devlink
