// The mode lists of the three outputs and what a mode enables, the input
// type lists, and the board type list of the wiring diagram.
#include <string>

#include "editor/grid_marks.h"
#include "editor/output_mode_texts.h"
#include "editor/procedures.h"

namespace editor {
namespace {

constexpr int ExternalThermostat = 14;
constexpr int VoiceConnection = 15;

std::string modeList(int output) { return "Combo_out" + std::to_string(output); }

int modeOf(const MainWindow& w, int output) { return w.list(modeList(output)).listIndex(); }

bool anyOutputIn(const MainWindow& w, int mode)
{
    for (int output = 1; output <= 3; ++output)
        if (modeOf(w, output) == mode)
            return true;
    return false;
}

bool drivenByInputs(int mode) { return mode == 7 || mode == 9; }

bool usesPulse(int mode)
{
    switch (mode) {
    case 3: case 4: case 8: case 9: case 10: case 11: return true;
    default: return false;
    }
}

// The user modes, in which the output can start active at power-up.
bool hasPowerUpState(int mode) { return mode == 1 || mode == 2; }

// Runs `reaction` after whatever the list already does on a selection.
void alsoOnSelect(ui::List& list, std::function<void()> reaction)
{
    std::function<void()> before = std::move(list.onSelect);
    list.onSelect = [before = std::move(before), reaction = std::move(reaction)] {
        if (before)
            before();
        reaction();
    };
}

}  // namespace

void fill_output_modes(MainWindow& w)
{
    for (int output = 1; output <= 3; ++output) {
        ui::List& list = w.list(modeList(output));
        list.clear();
        for (int mode = 0; mode < OutputModeCount; ++mode)
            list.addItem(std::string(output_mode_entry(mode)));
        list.setListIndex(0);
    }
    // The board type is not a setting: the list shows its design text
    // with nothing selected until the user picks a board.
    ui::List& board = w.list("Combo_vyr_type");
    board.clear();
    board.addItem("плата тип q");
    board.addItem("плата тип qn");
}

void output_mode_changed(MainWindow& w, int output)
{
    const int mode = modeOf(w, output);
    const std::string n = std::to_string(output);

    w.text("Text_Tds").setEnabled(anyOutputIn(w, ExternalThermostat));
    w.grid("MSFlexGrid_active_unch").setVisible(anyOutputIn(w, VoiceConnection));
    w.list(modeList(output)).setToolTip(output_mode_tooltip(mode, output, w.text("Text_Tds").text()));
    if (!drivenByInputs(mode))
        clearCells(w.grid("MSFlexGrid_inputs_to_out"), output, output, 0, 7);
    w.text("Text_pusle_out" + n).setEnabled(usesPulse(mode));
    ui::CheckBox& powerUp = w.check("Check_state_out" + n);
    if (hasPowerUpState(mode)) {
        powerUp.setEnabled(true);
    } else {
        powerUp.setEnabled(false);
        powerUp.setValue(0);
    }
    sxema(w);
    csd_input_grid(w);
}

void wireOutputModes(MainWindow& w)
{
    for (int output = 1; output <= 3; ++output)
        alsoOnSelect(w.list(modeList(output)), [&w, output] { output_mode_changed(w, output); });
    for (int input = 1; input <= 8; ++input)
        alsoOnSelect(w.list("Check_zero" + std::to_string(input)), [&w] { sxema(w); });
    ui::List& board = w.list("Combo_vyr_type");
    alsoOnSelect(board, [&w, &board] { board_layout(w, board.listIndex()); });
}

}  // namespace editor
