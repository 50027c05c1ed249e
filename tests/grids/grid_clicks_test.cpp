// Clicks on the settings grids other than the input properties.
#include "grids_fixture.h"

namespace grids_test {
namespace {

TEST(ToggleGrids, ClickMarksAndSecondClickUnmarks)
{
    const std::vector<std::pair<std::string, Cell>> cases = {
        {"MSFlexGrid_sms_command", {0, 0}}, {"MSFlexGrid_active_unch", {7, 0}},  {"MSFlexGrid_temperature", {2, 9}},
        {"MSFlexGrid_call_to_owner", {8, 7}}, {"MSFlexGrid_sms_to_owner", {1, 0}}, {"MSFlexGrid_input_oxr", {2, 8}},
        {"MSFlexGrid_dtmf_oxr", {1, 1}},      {"MSFlexGrid_sms_oxr", {2, 5}},      {"MSFlexGrid_z_o", {8, 7}},
        {"MSFlexGrid_owner_call", {4, 3}},
    };
    for (const auto& [name, cell] : cases) {
        SCOPED_TRACE(name);
        GridsWindow g;
        g.grid(name).setEnabled(true);
        g.grid(name).setCell(cell.first, cell.second, "x");  // anything but "v" counts as unmarked

        g.grid(name).userClick(cell.first, cell.second);
        EXPECT_EQ(g.marks(name), Cells{cell});
        g.grid(name).userClick(cell.first, cell.second);
        EXPECT_EQ(g.marks(name), Cells{});
        EXPECT_EQ(g.grid(name).cell(cell.first, cell.second), "");
    }
}

TEST(ToggleGrids, ArmingInputNoticesTakeNoClickWhileDisabled)
{
    GridsWindow g;
    g.grid("MSFlexGrid_input_oxr").setEnabled(false);
    g.grid("MSFlexGrid_input_oxr").userClick(1, 1);
    EXPECT_EQ(g.marks("MSFlexGrid_input_oxr"), Cells{});
}

TEST(DisplayGrids, DoNotReactToClicks)
{
    GridsWindow g;
    for (const char* name : {"MSFlexGrid_owners", "MSFlexGrid_owners_", "MSFlexGrid_zone_number",
                             "MSFlexGrid_out_number", "MSFlexGrid_custom_out", "MSFlexGrid_gprs_label",
                             "MSFlexGrid_pins"})
        EXPECT_FALSE(g.grid(name).onCellClick) << name;
}

TEST(InputsPerOwner, UnusedInputColumnsRefuseClicks)
{
    GridsWindow g;
    for (int col : {4, 5, 6})
        g.grid("MSFlexGrid_z_o").userClick(3, col);
    EXPECT_EQ(g.marks("MSFlexGrid_z_o"), Cells{});
}

TEST(InputsToOutput, RowTogglesOnlyWhileItsOutputIsDrivenByInputs)
{
    GridsWindow g;
    ui::Grid& drive = g.grid("MSFlexGrid_inputs_to_out");
    g.setMode(2, 0);
    drive.userClick(2, 1);
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), Cells{});

    g.setMode(2, 7);
    drive.userClick(2, 1);
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}));
    drive.userClick(2, 5);  // input 6 is not offered
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}));
    drive.userClick(1, 1);  // output 1 still in mode 0
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}));

    g.setMode(3, 9);
    drive.userClick(3, 7);
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}) + row(3, {7}));
}

TEST(OwnerCall, RemovingArmByCallClearsThatOwnersCallbackRows)
{
    GridsWindow g;
    const Cells callbacks = row(2, {0, 1}) + row(3, {0, 2, 7}) + row(4, {3});
    g.mark("MSFlexGrid_call_to_owner", callbacks);
    g.mark("MSFlexGrid_sms_to_owner", callbacks);
    ui::Grid& ownerCall = g.grid("MSFlexGrid_owner_call");
    const Cells remaining = row(2, {0, 1}) + row(4, {3});

    // Removing another column's mark clears nothing.
    g.mark("MSFlexGrid_owner_call", row(3, {1, 2}));
    ownerCall.userClick(3, 1);
    EXPECT_EQ(g.marks("MSFlexGrid_call_to_owner"), callbacks);

    ownerCall.userClick(3, 2);
    EXPECT_EQ(g.marks("MSFlexGrid_call_to_owner"), remaining);
    EXPECT_EQ(g.marks("MSFlexGrid_sms_to_owner"), remaining);

    // Marking it again brings nothing back.
    ownerCall.userClick(3, 2);
    EXPECT_EQ(g.marks("MSFlexGrid_owner_call"), row(3, {2}));
    EXPECT_EQ(g.marks("MSFlexGrid_call_to_owner"), remaining);
}

}  // namespace
}  // namespace grids_test
