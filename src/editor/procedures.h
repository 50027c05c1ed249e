#pragma once
#include "editor/main_window.h"

// The settings editor's procedures that the other subsystems call, and the
// functions that hook the editor's reactions to the window's controls.
namespace editor {

// --- Grids ---------------------------------------------------------------
// Geometry, headers and start texts of one grid, as laid out at start-up.
void layout_grid(MainWindow& w, const std::string& gridName);
// Enabling of the delay fields and the arming-notice grid from the input properties.
void all_check(MainWindow& w);
// Names, descriptions and call-switched outputs in the CSD status grid.
void csd_input_grid(MainWindow& w);
// Empties every cell of inputs 5 to 7.
void clear_unused_inputs(MainWindow& w);
// Click reactions of every settings grid.
void wireGrids(MainWindow& w);

// --- Output modes, input types, wiring diagram ------------------------------
// Redraws the slot pictures and tooltips of the wiring diagram.
void sxema(MainWindow& w);
// The reaction to output n's mode list (n = 1 to 3).
void output_mode_changed(MainWindow& w, int output);
// Fills the output mode lists (mode 0 selected) and the board type list.
void fill_output_modes(MainWindow& w);
// Pin table and slots for board type q (0) or qn (1).
void board_layout(MainWindow& w, int boardType);
void wireOutputModes(MainWindow& w);

// --- Field validation -----------------------------------------------------
void wireValidation(MainWindow& w);

// --- Check boxes of the window --------------------------------------------
void wireCheckBoxes(MainWindow& w);

// --- Tooltips -------------------------------------------------------------
void tips_on(MainWindow& w);
// The tooltips of the SMS and DTMF arming command rows, which name the access code.
void set_access_code_tooltips(MainWindow& w);

// --- Defaults -------------------------------------------------------------
void common_default(MainWindow& w);
void fl_m(MainWindow& w);

// --- Start-up -------------------------------------------------------------
// The whole start-up sequence of the main window; errors propagate to the caller.
void start_up(MainWindow& w);

}  // namespace editor
