#include "editor_fixture.h"

namespace {

using editor::catalogue;
using editor::Setting;
using editor::ValueKind;
using support::Program;
using editor_test::StartedEditor;

void expectFactoryValues(const Program& e)
{
    for (const Setting& s : catalogue())
        EXPECT_EQ(editor::readValue(e.w, s), s.defaultValue) << s.key;
}

// The states the factory configuration leaves behind besides the values.
void expectFactoryStates(const Program& e)
{
    const editor::MainWindow& w = e.w;
    for (const char* name : {"Label_gprs_period", "Text_gprs_period", "Check_alarm_gprs", "Check_gprs_balance",
                             "Check_gprs_clock", "Text_apn_sim1", "Text_port", "Text_ip", "Check_oxrana_gprs"})
        EXPECT_FALSE(w.form1.find(name)->enabled()) << name;
    EXPECT_TRUE(w.list("Combo_oxr_on_long").enabled());
    EXPECT_FALSE(w.list("Combo_oxr_of_long").enabled());
    EXPECT_FALSE(w.list("Combo_del_alarm").enabled());
    EXPECT_FALSE(w.list("Combo_del_oxrana").enabled());
    EXPECT_FALSE(w.text("Text_Tds").enabled());
    EXPECT_FALSE(w.grid("MSFlexGrid_active_unch").visible());
    EXPECT_EQ(w.text("Text_file_name").text(), "");
    EXPECT_EQ(w.label("Label_ok").caption(), "");
    EXPECT_EQ(w.label("Label_clock").caption(), "");
}

// Inputs 5 to 7 keep no mark although the steps set some on the way.
void expectUnusedInputsClear(const Program& e)
{
    const ui::Grid& properties = e.w.grid("MSFlexGrid_inputs_properties");
    for (int row = 5; row <= 7; ++row)
        for (int col = 0; col < 14; ++col)
            EXPECT_EQ(properties.cell(row, col), "") << row << "," << col;
}

TEST_F(StartedEditor, StartsWithTheFactoryConfiguration)
{
    expectFactoryValues(e);
    expectFactoryStates(e);
    expectUnusedInputsClear(e);
}

TEST_F(StartedEditor, FactoryInputEightIsNotInUseButKeepsItsOtherMarks)
{
    const ui::Grid& p = w.grid("MSFlexGrid_inputs_properties");
    EXPECT_FALSE(p.marked(8, 0));
    for (int col : {1, 3, 5, 7})
        EXPECT_TRUE(p.marked(8, col)) << col;
}

TEST_F(StartedEditor, FactoryLabelsFollowTheThresholds)
{
    EXPECT_EQ(w.label("Label_low_batt").caption(), "ниже +11.0V");
    // The supply threshold never changed from its design value, so the
    // list keeps its design entries.
    ASSERT_EQ(w.list("Check_zero8").count(), 2);
    EXPECT_EQ(w.list("Check_zero8").item(0), "выше +13V");
    EXPECT_EQ(w.list("Check_zero8").item(1), "ниже +13V");
    EXPECT_EQ(w.label("Label49").toolTip(), "Оповещения Хозяина при ВКЛ/ВЫКЛ охраны SMS-командой (OXR-on5j/OXR-of5j)");
}

// Puts every setting of the catalogue away from its factory value, the
// derived states too, then presses the reset button.
TEST_F(StartedEditor, ResetAfterEditingEverySettingRestoresTheFactoryConfiguration)
{
    w.list("Combo_out1").setListIndex(14);
    w.list("Combo_out2").setListIndex(15);
    w.list("Combo_out3").setListIndex(7);
    for (const Setting& s : catalogue()) {
        if (s.control.rfind("Combo_out", 0) == 0)
            continue;
        switch (s.kind) {
        case ValueKind::Text: w.text(s.control).setText("7"); break;
        case ValueKind::CheckState: w.check(s.control).setValue(s.defaultValue == "1" ? 0 : 1); break;
        case ValueKind::ListIndex: w.list(s.control).setListIndex(s.defaultValue == "0" ? 1 : 0); break;
        case ValueKind::EnabledFlag: w.form1.find(s.control)->setEnabled(s.defaultValue != "1"); break;
        case ValueKind::MarkMask: editor::writeMask(w, s, 255 - std::stoi(s.defaultValue)); break;
        case ValueKind::CellText: w.grid(s.control).setCell(s.row, s.col, s.defaultValue == "v" ? "" : "v"); break;
        case ValueKind::Colour: w.label(s.control).setBackColor(ui::color::Highlight); break;
        }
    }
    // Later reactions undid some edits: a new threshold selected "below"
    // again, and the mode reactions that run with the tooltips recomputed
    // the derived states and cleared the rows of outputs not driven by
    // inputs. Set those again directly, as a loaded file would.
    w.list("Check_zero6").setListIndex(0);
    w.list("Check_zero8").setListIndex(0);
    for (int row = 1; row <= 3; ++row)
        editor::writeMask(w, *editor::findSetting("Form1.MSFlexGrid_inputs_to_out.Row = " + std::to_string(row)), 255);
    for (const Setting& s : catalogue())
        if (s.kind == ValueKind::EnabledFlag)
            w.form1.find(s.control)->setEnabled(s.defaultValue != "1");
    for (int i = 1; i <= 3; ++i)
        w.check("Check_state_out" + std::to_string(i)).setValue(1);
    w.check("Check_gprs").setValue(1);
    w.check("Check_oxr_of_call").setValue(1);
    w.list("Combo_del_alarm").setEnabled(true);
    w.text("Text_file_name").setText("C:\\old.cfq");
    w.label("Label_ok").setCaption("OK");
    w.label("Label_clock").setCaption("12:00");
    for (const Setting& s : catalogue())
        ASSERT_NE(editor::readValue(w, s), s.defaultValue) << "not edited: " << s.key;

    w.button("Command_flat").userClick();

    expectFactoryValues(e);
    expectFactoryStates(e);
    expectUnusedInputsClear(e);
    EXPECT_TRUE(e.host.messages.empty());
}

TEST_F(StartedEditor, ResetUnticksGprsAndDisablesItsFieldsEvenWhenTheBoxWasAlreadyClear)
{
    w.check("Check_gprs").setValue(1);
    w.check("Check_gprs").setValue(0);
    w.text("Text_ip").setEnabled(true);  // out of step with the box
    w.button("Command_flat").userClick();
    EXPECT_FALSE(w.text("Text_ip").enabled());
}

TEST_F(StartedEditor, ResetTouchesNeitherTheLinkStateNorThePendingCommands)
{
    w.link_ok = true;
    w.est_shnur = true;
    w.receive_command = true;
    w.Buffer = "43 4C ";
    w.button("Command_flat").userClick();
    EXPECT_TRUE(w.link_ok);
    EXPECT_TRUE(w.est_shnur);
    EXPECT_TRUE(w.receive_command);
    EXPECT_EQ(w.Buffer, "43 4C ");
}

TEST(FactoryLabels, LowBatteryLabelUsesTheRegionalDecimalSeparator)
{
    support::EditorWindow e(",");
    EXPECT_EQ(e.w.label("Label_low_batt").caption(), "ниже +11,0V");
}

}  // namespace
