// Refresh procedures that bulk writers (image decoder, file reader,
// defaults) run after setting grid cells, which runs no click reaction.
#include "editor/grid_marks.h"
#include "editor/input_properties.h"
#include "editor/procedures.h"

namespace editor {

void all_check(MainWindow& w)
{
    ui::Grid& props = w.grid("MSFlexGrid_inputs_properties");
    ui::Grid& armingNotices = w.grid("MSFlexGrid_input_oxr");
    ui::TextField& alarmDelay = w.text("Text_Len_alarm_delay");
    ui::List& alarmUnit = w.list("Combo_del_alarm");
    ui::TextField& armingDelay = w.text("Text_Len_Oxrana_delay");
    ui::List& armingUnit = w.list("Combo_del_oxrana");

    armingNotices.setEnabled(false);
    armingDelay.setEnabled(false);
    alarmDelay.setEnabled(false);
    alarmUnit.setEnabled(false);
    armingUnit.setEnabled(false);

    for (int input = 1; input <= 8; ++input) {
        const bool arming = props.marked(input, input_col::ArmingInput);
        const bool delayed = props.marked(input, input_col::Delay);
        if (!arming && delayed) {
            alarmDelay.setEnabled(true);
            alarmUnit.setEnabled(true);
        }
        if (arming) {
            armingNotices.setEnabled(true);
            if (delayed) {
                armingDelay.setEnabled(true);
                armingUnit.setEnabled(true);
            }
        }
    }
}

void csd_input_grid(MainWindow& w)
{
    ui::Grid& customOut = w.grid("MSFlexGrid_custom_out");
    clearCells(customOut, 0, customOut.rows() - 1, 0, customOut.cols() - 1);
    customOut.setCell(0, 0, "Выход");
    for (int output = 1; output <= 3; ++output) {
        const int mode = w.list("Combo_out" + std::to_string(output)).listIndex();
        if (mode == 2 || mode == 4)  // the modes an owner's call switches
            customOut.setCell(output, 0, w.text(ui::indexed("Text_z", 7 + output)).text());
    }

    ui::Grid& status = w.grid("MSFlexGrid_csd_input");
    constexpr int NameCol = 0, DescriptionCol = 1;
    for (int input : {1, 2, 3, 4, 8}) {
        status.setCell(input, NameCol, w.text(ui::indexed("Text_z", input - 1)).text());
        status.setCell(input, DescriptionCol, w.text("Text_short" + std::to_string(input)).text());
    }
    for (int output = 1; output <= 3; ++output) {
        const int row = 8 + output;
        const ui::List& mode = w.list("Combo_out" + std::to_string(output));
        status.setCell(row, NameCol, w.text(ui::indexed("Text_z", 7 + output)).text());
        status.setCell(row, DescriptionCol, mode.listIndex() >= 0 ? mode.item(mode.listIndex()) : std::string());
    }
}

void clear_unused_inputs(MainWindow& w)
{
    clearCells(w.grid("MSFlexGrid_z_o"), 1, 8, 4, 6);
    clearCells(w.grid("MSFlexGrid_inputs_properties"), 5, 7, 0, input_col::Count - 1);
    clearCells(w.grid("MSFlexGrid_inputs_to_out"), 1, 3, 4, 6);
    clearCells(w.grid("MSFlexGrid_csd_input"), 5, 7, 0, 3);
}

}  // namespace editor
