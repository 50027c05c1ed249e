// What a click on each settings grid does. Cells set by a program run
// none of this; see the refresh procedures for bulk writers.
#include <string>

#include "editor/grid_marks.h"
#include "editor/input_properties.h"
#include "editor/procedures.h"

namespace editor {
namespace {

bool isUnusedInputColumn(int col) { return isUnusedInput(col + 1); }

// --- The input properties ---------------------------------------------------

struct InputProperties {
    MainWindow& w;
    ui::Grid& props;

    bool isArmingInput(int row) const { return props.marked(row, input_col::ArmingInput); }
    bool anyArmingInput() const
    {
        for (int r = 1; r <= 8; ++r)
            if (isArmingInput(r))
                return true;
        return false;
    }
    void enableAlarmDelay()
    {
        w.text("Text_Len_alarm_delay").setEnabled(true);
        w.list("Combo_del_alarm").setEnabled(true);
    }
    void enableArmingDelay()
    {
        w.text("Text_Len_Oxrana_delay").setEnabled(true);
        w.list("Combo_del_oxrana").setEnabled(true);
    }
    void enableDelayOf(int row) { isArmingInput(row) ? enableArmingDelay() : enableAlarmDelay(); }

    void marked(int row, int col)
    {
        using namespace input_col;
        switch (col) {
        case ShortCall: props.setMarked(row, LongCall, false); break;
        case LongCall: props.setMarked(row, ShortCall, false); break;
        case ThreeBeeps: props.setMarked(row, LongSiren, false); break;
        case LongSiren: props.setMarked(row, ThreeBeeps, false); break;
        case Delay: enableDelayOf(row); break;
        case ArmingInput:
            w.grid("MSFlexGrid_input_oxr").setEnabled(true);
            for (int r = 1; r <= 8; ++r)
                if (r != row)
                    props.setMarked(r, ArmingInput, false);
            // In use, watched armed and disarmed, triggers on each change;
            // no alarm call, SMS or siren signal of its own.
            for (int c : {InUse, WatchedDisarmed, WatchedArmed, OnChange})
                props.setMarked(row, c, true);
            for (int c : {ShortCall, LongCall, Sms, ThreeBeeps, LongSiren, WatchedAtArming})
                props.setMarked(row, c, false);
            break;
        case WatchedAtArming:
            if (isArmingInput(row) || !anyArmingInput())
                props.setMarked(row, col, false);
            break;
        default: break;
        }
    }

    void unmarked(int row, int col)
    {
        using namespace input_col;
        switch (col) {
        case Delay:
            w.text("Text_Len_alarm_delay").setEnabled(false);
            w.text("Text_Len_Oxrana_delay").setEnabled(false);
            w.list("Combo_del_alarm").setEnabled(false);
            w.list("Combo_del_oxrana").setEnabled(false);
            for (int r = 1; r <= 8; ++r)
                if (props.marked(r, Delay))
                    enableDelayOf(r);
            break;
        case OnChange:
            if (isArmingInput(row))  // the arming input always triggers on change
                props.setMarked(row, col, true);
            break;
        case ArmingInput: {
            w.text("Text_Len_Oxrana_delay").setEnabled(false);  // its unit list keeps its state
            ui::Grid& notices = w.grid("MSFlexGrid_input_oxr");
            notices.setEnabled(false);
            clearCells(notices, 1, 2, 1, 8);
            for (int r = 1; r <= 8; ++r)
                props.setMarked(r, WatchedAtArming, false);
            break;
        }
        default: break;
        }
    }

    void click(int row, int col)
    {
        if (isUnusedInput(row))
            return;
        if (toggleMark(props, row, col))
            marked(row, col);
        else
            unmarked(row, col);
        sxema(w);
    }
};

}  // namespace

void wireGrids(MainWindow& w)
{
    for (const char* name : {"MSFlexGrid_sms_command", "MSFlexGrid_active_unch", "MSFlexGrid_temperature",
                             "MSFlexGrid_call_to_owner", "MSFlexGrid_sms_to_owner", "MSFlexGrid_input_oxr",
                             "MSFlexGrid_dtmf_oxr", "MSFlexGrid_sms_oxr"}) {
        ui::Grid& g = w.grid(name);
        g.onCellClick = [&g](int row, int col) { toggleMark(g, row, col); };
    }

    ui::Grid& inputsPerOwner = w.grid("MSFlexGrid_z_o");
    inputsPerOwner.onCellClick = [&inputsPerOwner](int owner, int col) {
        if (!isUnusedInputColumn(col))
            toggleMark(inputsPerOwner, owner, col);
    };

    ui::Grid& inputsToOutput = w.grid("MSFlexGrid_inputs_to_out");
    inputsToOutput.onCellClick = [&w, &inputsToOutput](int output, int col) {
        if (isUnusedInputColumn(col))
            return;
        const int mode = w.list("Combo_out" + std::to_string(output)).listIndex();
        if (mode == 7 || mode == 9)  // the two modes driven by inputs
            toggleMark(inputsToOutput, output, col);
    };

    ui::Grid& ownerCall = w.grid("MSFlexGrid_owner_call");
    ownerCall.onCellClick = [&w, &ownerCall](int owner, int col) {
        constexpr int ArmsByCall = 2;  // "вкл/выкл охрану"
        if (!toggleMark(ownerCall, owner, col) && col == ArmsByCall) {
            clearCells(w.grid("MSFlexGrid_call_to_owner"), owner, owner, 0, 7);
            clearCells(w.grid("MSFlexGrid_sms_to_owner"), owner, owner, 0, 7);
        }
    };

    ui::Grid& props = w.grid("MSFlexGrid_inputs_properties");
    props.onCellClick = [&w, &props](int row, int col) { InputProperties{w, props}.click(row, col); };
}

}  // namespace editor
