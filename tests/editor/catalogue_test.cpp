#include <set>

#include "editor_fixture.h"

namespace {

using editor::catalogue;
using editor::Setting;
using editor::ValueKind;

TEST(Catalogue, FileLinesComeFirstInOrderThenTheSettingsTheFileLacks)
{
    const auto& all = catalogue();
    ASSERT_GE(all.size(), 198u);
    for (std::size_t i = 0; i < 198; ++i)
        EXPECT_EQ(all[i].fileLine, static_cast<int>(i + 1)) << all[i].key;
    for (std::size_t i = 198; i < all.size(); ++i)
        EXPECT_EQ(all[i].fileLine, 0) << all[i].key;
    EXPECT_NE(editor::findSetting("Form1.Text_Tds.Text"), nullptr);
    EXPECT_EQ(editor::findSetting("Form1.Text_Tds.Text")->fileLine, 0);
}

TEST(Catalogue, KeysAreUniqueAndFoundExactly)
{
    std::set<std::string> keys;
    for (const Setting& s : catalogue()) {
        EXPECT_TRUE(keys.insert(s.key).second) << "twice: " << s.key;
        EXPECT_EQ(editor::findSetting(s.key), &s);
    }
    EXPECT_EQ(editor::findSetting("form1.Text_pin.Text"), nullptr);           // case matters
    EXPECT_EQ(editor::findSetting("Form1.MSFlexGrid_z_o.Row=1"), nullptr);    // blanks around "=" belong to it
    EXPECT_EQ(editor::findSetting("Form1.Check_sms_gsm.Value"), nullptr);     // names no control
}

TEST(Catalogue, LinesThatAnchorTheFileOrder)
{
    struct Case {
        int line;
        const char* key;
    };
    const Case cases[] = {
        {1, "Form1.Text_DS_Tmin.Text"},
        {9, "Form1.phone(9).Text"},
        {19, "Form1.MSFlexGrid_inputs_properties.Col = monitor_total_col"},
        {32, "Form1.MSFlexGrid_inputs_properties.Col = silent_zones_col"},
        {33, "Form1.MSFlexGrid_input_oxr.Enabled"},
        {49, "Form1.Text_z(10).Text"},
        {91, "Form1.phone(0).Text"},
        {108, "Form1.MSFlexGrid_sms_command"},
        {109, "Form1.MSFlexGrid_active_unch"},
        {177, "Form1.Text_lev_low_batt.Text"},
        {187, "SMS_q_Tgsm"},
        {188, "SMS_q_Tds"},
        {190, "Form1.Label8.BackColor"},
        {198, "Form1.Combo_auto_oxrana_on.ListIndex"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(catalogue()[static_cast<std::size_t>(c.line - 1)].key, c.key) << "line " << c.line;
}

// Every key reaches a control of the window of the kind its value needs,
// and every mask and cell lies inside its grid.
TEST(Catalogue, EveryKeyReachesAControlOfTheWindow)
{
    support::Program e;
    for (const Setting& s : catalogue()) {
        SCOPED_TRACE(s.key);
        switch (s.kind) {
        case ValueKind::Text: EXPECT_NO_THROW(e.w.text(s.control)); break;
        case ValueKind::CheckState: EXPECT_NO_THROW(e.w.check(s.control)); break;
        case ValueKind::ListIndex: EXPECT_NO_THROW(e.w.list(s.control)); break;
        case ValueKind::EnabledFlag: EXPECT_TRUE(e.w.form1.has(s.control)); break;
        case ValueKind::Colour: EXPECT_NO_THROW(e.w.label(s.control)); break;
        case ValueKind::CellText:
            EXPECT_NO_THROW(e.w.grid(s.control).cell(s.row, s.col));
            break;
        case ValueKind::MarkMask:
            for (int bit = 0; bit < 8; ++bit) {
                auto [row, col] = editor::maskCell(s, bit);
                EXPECT_NO_THROW(e.w.grid(s.control).cell(row, col)) << "bit " << bit;
            }
            break;
        }
    }
}

// Which cell is bit k differs per grid; one case per kind of rule.
TEST(Catalogue, MaskBitsLieInTheCellsOfTheirGrid)
{
    struct Case {
        const char* key;
        int bit;
        int row, col;
    };
    const Case cases[] = {
        {"Form1.MSFlexGrid_sms_command", 0, 0, 0},                           // one column, row r is bit r
        {"Form1.MSFlexGrid_active_unch", 7, 7, 0},
        {"Form1.MSFlexGrid_z_o.Row = 3", 0, 3, 0},                           // owner rows, column c is bit c
        {"Form1.MSFlexGrid_z_o.Row = 3", 7, 3, 7},
        {"Form1.MSFlexGrid_inputs_to_out.Row = 2", 5, 2, 5},
        {"Form1.MSFlexGrid_call_to_owner.Row = 8", 7, 8, 7},
        {"Form1.MSFlexGrid_sms_to_owner.Row = 1", 0, 1, 0},
        {"Form1.MSFlexGrid_input_oxr.Row = 1", 0, 1, 1},                     // owner columns 1 to 8
        {"Form1.MSFlexGrid_dtmf_oxr.Row = 2", 7, 2, 8},
        {"Form1.MSFlexGrid_sms_oxr.Row = 1", 3, 1, 4},
        {"Form1.MSFlexGrid_temperature.Row = 2", 7, 2, 8},
        {"Form1.MSFlexGrid_inputs_properties.Col = monitor_total_col", 0, 1, 0},  // rows 1 to 8
        {"Form1.MSFlexGrid_inputs_properties.Col = time_out_col", 7, 8, 6},
        {"Form1.MSFlexGrid_inputs_properties.Col = silent_zones_col", 2, 3, 13},
        {"Form1.MSFlexGrid_owner_call.Col = 0", 0, 1, 0},
        {"Form1.MSFlexGrid_owner_call.Col = 3", 7, 8, 3},
    };
    for (const Case& c : cases) {
        const Setting* s = editor::findSetting(c.key);
        ASSERT_NE(s, nullptr) << c.key;
        EXPECT_EQ(s->kind, ValueKind::MarkMask) << c.key;
        EXPECT_EQ(editor::maskCell(*s, c.bit), std::make_pair(c.row, c.col)) << c.key << " bit " << c.bit;
    }
}

TEST(Catalogue, SingleCellsAndTheTemperatureRowsStayApart)
{
    const Setting* tgsm = editor::findSetting("SMS_q_Tgsm");
    const Setting* tds = editor::findSetting("SMS_q_Tds");
    ASSERT_TRUE(tgsm && tds);
    EXPECT_EQ(tgsm->kind, ValueKind::CellText);
    EXPECT_EQ(std::make_pair(tgsm->row, tgsm->col), std::make_pair(1, 9));
    EXPECT_EQ(std::make_pair(tds->row, tds->col), std::make_pair(2, 9));
}

TEST(Masks, WriteThenReadGivesTheSameMaskAndOnlyTheRowsCells)
{
    support::Program e;
    editor::layout_grid(e.w, "MSFlexGrid_dtmf_oxr");
    const Setting& row2 = *editor::findSetting("Form1.MSFlexGrid_dtmf_oxr.Row = 2");
    ui::Grid& grid = e.w.grid("MSFlexGrid_dtmf_oxr");
    for (int mask : {0, 1, 128, 0xA5, 255}) {
        editor::writeMask(e.w, row2, mask);
        EXPECT_EQ(editor::readMask(e.w, row2), mask);
        EXPECT_EQ(e.value("Form1.MSFlexGrid_dtmf_oxr.Row = 2"), std::to_string(mask));
    }
    EXPECT_EQ(grid.cell(2, 0), "   SMS") << "the row label is not a bit";
    EXPECT_EQ(editor::readMask(e.w, *editor::findSetting("Form1.MSFlexGrid_dtmf_oxr.Row = 1")), 0);
}

TEST(Masks, OnlyAnExactLowerCaseVCountsAsAMark)
{
    support::Program e;
    const Setting& column = *editor::findSetting("Form1.MSFlexGrid_owner_call.Col = 2");
    ui::Grid& grid = e.w.grid("MSFlexGrid_owner_call");
    const char* texts[] = {"v", "V", " v", "x", "v ", "", "v"};
    for (int r = 1; r <= 7; ++r)
        grid.setCell(r, 2, texts[r - 1]);
    grid.setCell(8, 2, "");
    EXPECT_EQ(editor::readMask(e.w, column), 1 | 64);
}

TEST(Values, EachKindReadsAsTheFileWritesIt)
{
    support::Program e;
    e.w.list("Combo_mic").clear();
    EXPECT_EQ(e.value("Form1.Combo_mic.ListIndex"), "-1");
    e.w.label("Label8").setBackColor(ui::color::Highlight);
    EXPECT_EQ(e.value("Form1.Label8.BackColor"), "-2147483635");
    e.w.text("Text_pusle_out2").setEnabled(true);
    EXPECT_EQ(e.value("Form1.Text_pusle_out2.Enabled"), "1");
    e.w.grid("MSFlexGrid_input_oxr").setEnabled(false);
    EXPECT_EQ(e.value("Form1.MSFlexGrid_input_oxr.Enabled"), "0");
    e.w.check("Check_csd_in").setValue(1);
    EXPECT_EQ(e.value("Form1.Check_csd_in.Value"), "1");
    e.w.grid("MSFlexGrid_temperature").setCell(2, 9, "v");
    EXPECT_EQ(e.value("SMS_q_Tds"), "v");
}

}  // namespace
