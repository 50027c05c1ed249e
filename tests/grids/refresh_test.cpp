// The refresh procedures that bulk writers run after setting cells.
#include "grids_fixture.h"

namespace grids_test {
namespace {

struct AllCheckCase {
    const char* name;
    Cells props;
    bool alarmPair, armingPair, armingNotices;
};

void PrintTo(const AllCheckCase& c, std::ostream* os) { *os << c.name; }

class AllCheck : public ::testing::TestWithParam<AllCheckCase> {};

TEST_P(AllCheck, EnablingFollowsTheMarks)
{
    const AllCheckCase& c = GetParam();
    for (bool startEnabled : {false, true}) {
        GridsWindow g;
        for (const char* name : {"Text_Len_alarm_delay", "Text_Len_Oxrana_delay"})
            g.w.text(name).setEnabled(startEnabled);
        for (const char* name : {"Combo_del_alarm", "Combo_del_oxrana"})
            g.w.list(name).setEnabled(startEnabled);
        g.grid("MSFlexGrid_input_oxr").setEnabled(startEnabled);
        g.mark("MSFlexGrid_inputs_properties", c.props);
        g.mark("MSFlexGrid_input_oxr", row(1, {1}));

        editor::all_check(g.w);

        EXPECT_EQ(g.w.text("Text_Len_alarm_delay").enabled(), c.alarmPair);
        EXPECT_EQ(g.w.list("Combo_del_alarm").enabled(), c.alarmPair);
        EXPECT_EQ(g.w.text("Text_Len_Oxrana_delay").enabled(), c.armingPair);
        EXPECT_EQ(g.w.list("Combo_del_oxrana").enabled(), c.armingPair);
        EXPECT_EQ(g.grid("MSFlexGrid_input_oxr").enabled(), c.armingNotices);
        EXPECT_EQ(g.marks("MSFlexGrid_input_oxr"), row(1, {1}));  // marks are left alone
    }
}

const AllCheckCase AllCheckCases[] = {
    {"NoMarks", {}, false, false, false},
    {"DelayOnOrdinaryInput", row(8, {6}), true, false, false},
    {"ArmingInputWithoutDelay", row(3, {10}), false, false, true},
    {"ArmingInputWithDelay", row(3, {10, 6}), false, true, true},
    {"BothKinds", row(3, {10, 6}) + row(1, {6}), true, true, true},
};

INSTANTIATE_TEST_SUITE_P(Marks, AllCheck, ::testing::ValuesIn(AllCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClearUnusedInputs, EmptiesEveryCellOfInputs5To7AndNothingElse)
{
    GridsWindow g;
    auto fill = [&](const std::string& name) {
        ui::Grid& grid = g.grid(name);
        for (int r = grid.fixedRows(); r < grid.rows(); ++r)
            for (int c = grid.fixedCols(); c < grid.cols(); ++c)
                grid.setCell(r, c, "v");
    };
    for (const char* name : {"MSFlexGrid_z_o", "MSFlexGrid_inputs_properties", "MSFlexGrid_inputs_to_out",
                             "MSFlexGrid_csd_input"})
        fill(name);

    editor::clear_unused_inputs(g.w);

    for (const char* name : {"MSFlexGrid_z_o", "MSFlexGrid_inputs_to_out"}) {
        ui::Grid& grid = g.grid(name);
        for (int r = 1; r < grid.rows(); ++r)
            for (int c = 0; c < 8; ++c)
                EXPECT_EQ(grid.marked(r, c), c < 4 || c > 6) << name << " " << r << "," << c;
    }
    for (const char* name : {"MSFlexGrid_inputs_properties", "MSFlexGrid_csd_input"}) {
        ui::Grid& grid = g.grid(name);
        for (int r = 1; r < grid.rows(); ++r)
            for (int c = 0; c < grid.cols(); ++c)
                EXPECT_EQ(grid.marked(r, c), r < 5 || r > 7) << name << " " << r << "," << c;
    }
}

TEST(CsdInputGrid, NamesDescriptionsAndCallSwitchedOutputs)
{
    GridsWindow g;
    for (int i = 0; i <= 10; ++i)
        g.w.text(ui::indexed("Text_z", i)).setText("N" + std::to_string(i));
    for (int i = 1; i <= 8; ++i)
        g.w.text("Text_short" + std::to_string(i)).setText("S" + std::to_string(i));
    ui::Grid& status = g.grid("MSFlexGrid_csd_input");
    for (int r : {5, 6, 7, 12, 13})
        for (int c = 0; c < 4; ++c)
            status.setCell(r, c, "keep");
    g.grid("MSFlexGrid_custom_out").setCell(1, 0, "stale");

    g.setMode(1, 4);
    g.setMode(2, 0);
    g.setMode(3, 2);  // each mode change refreshes the grid

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Имя", "Описание"}, {"N0", "S1"},  {"N1", "S2"},   {"N2", "S3"},   {"N3", "S4"},
        {"keep", "keep"},     {"keep", "keep"}, {"keep", "keep"}, {"N7", "S8"},
        {"N8", g.w.list("Combo_out1").item(4)}, {"N9", g.w.list("Combo_out1").item(0)},
        {"N10", g.w.list("Combo_out1").item(2)}, {"keep", "keep"}, {"keep", "keep"}};
    for (int r = 0; r < 14; ++r) {
        EXPECT_EQ(status.cell(r, 0), expected[r].first) << "row " << r;
        EXPECT_EQ(status.cell(r, 1), expected[r].second) << "row " << r;
    }

    ui::Grid& customOut = g.grid("MSFlexGrid_custom_out");
    EXPECT_EQ(customOut.cell(0, 0), "Выход");
    EXPECT_EQ(customOut.cell(1, 0), "N8");
    EXPECT_EQ(customOut.cell(2, 0), "");
    EXPECT_EQ(customOut.cell(3, 0), "N10");

    g.setMode(1, 3);
    EXPECT_EQ(customOut.cell(1, 0), "");
    EXPECT_EQ(status.cell(9, 1), g.w.list("Combo_out1").item(3));
}

}  // namespace
}  // namespace grids_test
