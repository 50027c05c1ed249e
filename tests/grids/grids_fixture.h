#pragma once
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/main_window.h"
#include "editor/procedures.h"
#include "support/bare_window.h"

namespace grids_test {

using Cell = std::pair<int, int>;  // row, column
using Cells = std::set<Cell>;

// The real main window with only the grid, mode and diagram reactions
// hooked, its lists filled and its grids laid out; all cells unmarked.
class GridsWindow : public support::BareWindow {
public:
    explicit GridsWindow(std::string decimalSeparator = ".") : BareWindow(std::move(decimalSeparator))
    {
        editor::wireGrids(w);
        editor::wireOutputModes(w);
        for (int input = 1; input <= 8; ++input) {
            ui::List& type = w.list("Check_zero" + std::to_string(input));
            type.addItem("убрать минус");
            type.addItem("подать минус");
        }
        editor::fill_output_modes(w);
        for (const std::string& name : gridNames())
            editor::layout_grid(w, name);
    }

    static const std::vector<std::string>& gridNames()
    {
        static const std::vector<std::string> names = {
            "MSFlexGrid_inputs_properties", "MSFlexGrid_zone_number", "MSFlexGrid_inputs_to_out",
            "MSFlexGrid_out_number",        "MSFlexGrid_sms_command", "MSFlexGrid_active_unch",
            "MSFlexGrid_z_o",               "MSFlexGrid_temperature", "MSFlexGrid_owner_call",
            "MSFlexGrid_owners",            "MSFlexGrid_owners_",     "MSFlexGrid_call_to_owner",
            "MSFlexGrid_sms_to_owner",      "MSFlexGrid_input_oxr",   "MSFlexGrid_dtmf_oxr",
            "MSFlexGrid_sms_oxr",           "MSFlexGrid_custom_out",  "MSFlexGrid_gprs_label",
            "MSFlexGrid_csd_input",         "MSFlexGrid_pins"};
        return names;
    }

    ui::Grid& grid(const std::string& name) { return w.grid(name); }
    ui::Grid& props() { return w.grid("MSFlexGrid_inputs_properties"); }

    void mark(const std::string& grid, const Cells& cells)
    {
        for (auto [r, c] : cells)
            w.grid(grid).setMarked(r, c, true);
    }

    // Marked cells of the grid's non-fixed part.
    Cells marks(const std::string& name)
    {
        ui::Grid& g = w.grid(name);
        Cells out;
        for (int r = g.fixedRows(); r < g.rows(); ++r)
            for (int c = g.fixedCols(); c < g.cols(); ++c)
                if (g.marked(r, c))
                    out.insert({r, c});
        return out;
    }

    void setMode(int output, int mode) { w.list("Combo_out" + std::to_string(output)).setListIndex(mode); }

};

// Row r marked in the given columns.
inline Cells row(int r, std::initializer_list<int> cols)
{
    Cells out;
    for (int c : cols)
        out.insert({r, c});
    return out;
}

inline Cells operator+(Cells a, const Cells& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace grids_test
