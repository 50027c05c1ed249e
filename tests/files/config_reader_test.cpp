#include "editor/catalogue.h"
#include "files/config_reader.h"
#include "files_fixture.h"
#include "ui/control_spec.h"

#include <optional>

namespace {

using files_test::FilesTest;
using Settings = std::map<std::string, std::string>;

// The settings whose value differs between two snapshots, with the new value.
Settings changes(const Settings& before, const Settings& after)
{
    Settings changed;
    for (const auto& [key, value] : after)
        if (before.at(key) != value)
            changed[key] = value;
    return changed;
}

bool isStateOutEnabled(const std::string& key) { return key.find("Check_state_out") != std::string::npos && key.ends_with(".Enabled"); }

TEST_F(FilesTest, SaveThenLoadRestoresEverySettingButTheOutputPowerUpEnabling)
{
    // Far from the factory configuration, in every kind of value.
    w.text("Text_apn_sim1").setText("мой.apn");
    w.text("Text_z(0)").setText("Door");
    w.text("phone(1)").setText("+380671234567");
    w.text("Text_lev_z6").setText("45");
    w.list("Check_zero6").setListIndex(0);
    w.text("Text_lev_12v").setText("125");
    w.list("Check_zero8").setListIndex(0);
    w.check("Check_gprs").setValue(1);
    w.check("Check_csd_in").setValue(1);
    w.check("Check_ring3").setValue(0);
    w.list("Combo_out2").setListIndex(7);
    w.list("Combo_out3").setListIndex(2);
    w.list("Combo_mic").setListIndex(2);
    w.list("Combo_auto_oxrana_on").setListIndex(24);
    w.list("Combo_sms2").setListIndex(0);
    editor::writeMask(w, *editor::findSetting("Form1.MSFlexGrid_z_o.Row = 1"), 5);
    editor::writeMask(w, *editor::findSetting("Form1.MSFlexGrid_inputs_to_out.Row = 2"), 3);
    editor::writeMask(w, *editor::findSetting("Form1.MSFlexGrid_sms_command"), 0x81);
    editor::writeMask(w, *editor::findSetting("Form1.MSFlexGrid_owner_call.Col = 2"), 6);
    w.grid("MSFlexGrid_temperature").setCell(2, 9, "");
    w.label("Label8").setBackColor(ui::color::Highlight);
    const Settings before = settings();

    std::string saved = save("mine.cfq");
    w.button("Command_flat").userClick();
    ASSERT_GT(changes(before, settings()).size(), 15u);
    files_test::writeBytes("in.cfq", saved);
    e.host.files.push_back("in.cfq");
    w.button("Command_open_file").userClick();

    EXPECT_TRUE(e.host.messages.empty());
    EXPECT_FALSE(w.work_with_file);
    Settings restored = changes(before, settings());
    std::erase_if(restored, [](const auto& kv) { return isStateOutEnabled(kv.first); });
    EXPECT_EQ(restored, Settings{});
    EXPECT_EQ(save("again.cfq"), saved);
}

struct LoadCase {
    const char* name;
    std::string file;
    Settings changed;
};

TEST_F(FilesTest, LoadAppliesKnownLinesAndPassesOverTheRest)
{
    const LoadCase cases[] = {
        {"one line", "Form1.Check_ring3.Value\t0\r\n", {{"Form1.Check_ring3.Value", "0"}}},
        {"lines that are not settings",
         "Form1.check_ring3.Value\t0\r\nForm1.Check_ring3.Value \t0\r\nForm1.Check_ring3.Value\r\n\r\n"
         "Form1.Text_nothing.Text\tx\r\nForm1.Check_state_out1.Enabled\t0\r\n",
         {}},
        {"empty file", "", {}},
        {"TAB inside a value", "Form1.Text_apn_sim1.Text\ta\tb\r\n", {{"Form1.Text_apn_sim1.Text", "a\tb"}}},
        {"Windows-1251 text", "Form1.Text_apn_sim1.Text\t\xEC\xEE\xE9\r\n", {{"Form1.Text_apn_sim1.Text", "мой"}}},
        {"lone LF, no end after the last line", "Form1.Check_ring3.Value\t0\nForm1.Check_ring4.Value\t0",
         {{"Form1.Check_ring3.Value", "0"}, {"Form1.Check_ring4.Value", "0"}}},
        {"last of a repeated key wins", "Form1.Text_z(0).Text\tAaaa\r\nForm1.Text_z(0).Text\tBbbb\r\n",
         {{"Form1.Text_z(0).Text", "Bbbb"}}},
        {"mask 5 marks bits 0 and 2", "Form1.MSFlexGrid_z_o.Row = 1\t5\r\n", {{"Form1.MSFlexGrid_z_o.Row = 1", "5"}}},
        {"mask 256 marks all, -1 none", "Form1.MSFlexGrid_sms_command\t256\r\nForm1.MSFlexGrid_active_unch\t-1\r\n",
         {{"Form1.MSFlexGrid_sms_command", "255"}, {"Form1.MSFlexGrid_active_unch", "0"}}},
        {"older temperature key", "Form1.Check_sms_gsm.Value\t0\r\n",
         {{"Form1.MSFlexGrid_temperature.Row = 1", "0"}, {"SMS_q_Tgsm", ""}}},
        {"low battery above supply loads unchanged", "Form1.Text_lev_low_batt.Text\t140\r\n",
         {{"Form1.Text_lev_low_batt.Text", "140"}}},
        {"input type list follows its new threshold", "Form1.Check_zero6.ListIndex\t0\r\nForm1.Text_lev_z6.Text\t45\r\n",
         {{"Form1.Check_zero6.ListIndex", "0"}, {"Form1.Text_lev_z6.Text", "45"}}},
        {"colour", "Form1.Label8.BackColor\t-2147483635\r\n", {{"Form1.Label8.BackColor", "-2147483635"}}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        w.button("Command_flat").userClick();
        Settings before = settings();
        load(c.file);
        EXPECT_TRUE(e.host.messages.empty());
        EXPECT_EQ(changes(before, settings()), c.changed);
        EXPECT_EQ(w.text("Text_file_name").text(), "in.cfq");
        e.host.messages.clear();
    }
}

TEST_F(FilesTest, OlderTemperatureKeyMarksOwnerOneAndEmailOnlyForOne)
{
    ui::Grid& g = w.grid("MSFlexGrid_temperature");
    load("Form1.Check_sms_gsm.Value\t0\r\n");
    EXPECT_FALSE(g.marked(1, 1));
    load("Form1.Check_sms_gsm.Value\t1.0\r\n");
    EXPECT_TRUE(g.marked(1, 1));
    EXPECT_TRUE(g.marked(1, 9));
    load("Form1.Check_sms_gsm.Value\t2\r\n");
    EXPECT_FALSE(g.marked(1, 9));
}

struct FaultCase {
    std::string line;
    const char* description;
};

TEST_F(FilesTest, DamagedFileIsReportedWithItsLineAndAppliesNothing)
{
    const FaultCase cases[] = {
        {"Form1.Combo_out1.ListIndex\t", "Type mismatch"},
        {"Form1.Combo_out1.ListIndex\t16", "Invalid property value"},
        {"Form1.Check_zero6.ListIndex\t2", "Invalid property value"},
        {"Form1.Check_ring1.Value\t3", "Invalid property value"},
        {"Form1.Check_ring1.Value\t40000", "Overflow"},
        {"Form1.MSFlexGrid_z_o.Row = 1\tabc", "Type mismatch"},
        {"Form1.Label8.BackColor\t99999999999", "Overflow"},
        {"Form1.Text_pusle_out1.Enabled\tyes", "Type mismatch"},
        {"Form1.Check_sms_gsm.Value\tx", "Type mismatch"},
    };
    const Settings before = settings();
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.line);
        e.host.messages.clear();
        load("Form1.Check_ring3.Value\t0\r\nForm1.Text_z(0).Text\tNew!\r\n" + c.line + "\r\nForm1.Check_ring4.Value\t0\r\n");
        ASSERT_EQ(e.host.messages.size(), 1u);
        std::string key = c.line.substr(0, c.line.find('\t'));
        EXPECT_EQ(e.host.messages[0].text, std::string(c.description) + "\nстрока 3: " + key);
        EXPECT_EQ(e.host.messages[0].title, w.form1.spec().caption);
        EXPECT_EQ(changes(before, settings()), Settings{});
        EXPECT_FALSE(w.work_with_file);
    }
}

TEST_F(FilesTest, OpenDialogAndItsFailures)
{
    w.button("Command_open_file").userClick();  // cancelled
    ASSERT_EQ(e.host.dialogs.size(), 1u);
    EXPECT_EQ(e.host.dialogs[0].title, "Открыть файл с конфигурацией");
    EXPECT_EQ(e.host.dialogs[0].filter, " Files (*.cfq)|*.cfq|");
    EXPECT_EQ(e.host.dialogs[0].initialName, "");
    EXPECT_TRUE(e.host.dialogs[0].mustExist);
    e.host.files.push_back("missing.cfq");
    w.button("Command_open_file").userClick();
    ASSERT_EQ(e.host.messages.size(), 2u);
    EXPECT_EQ(e.host.messages[0].text, "Cancel was selected.");
    EXPECT_EQ(e.host.messages[1].text, "File not found");
    EXPECT_FALSE(w.work_with_file);
}

TEST_F(FilesTest, DelayFieldsAreEnabledTogetherWithTheirUnitLists)
{
    struct Case {
        const char* key;
        const char* value;
        const char* field;
        const char* list;
        bool enabled;
    } cases[] = {
        {"Form1.Text_Len_Oxrana_delay.Enabled", "1", "Text_Len_Oxrana_delay", "Combo_del_oxrana", true},
        {"Form1.Text_Len_Oxrana_delay.Enabled", "0", "Text_Len_Oxrana_delay", "Combo_del_oxrana", false},
        {"Form1.Text_Len_alarm_delay.Enabled", "-1", "Text_Len_alarm_delay", "Combo_del_alarm", true},
        {"Form1.Text_Len_alarm_delay.Enabled", "0", "Text_Len_alarm_delay", "Combo_del_alarm", false},
    };
    // The refreshes at the end of the load set these states again from the
    // input properties, so they are looked at right after the line.
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.value);
        w.text(c.field).setEnabled(!c.enabled);
        w.list(c.list).setEnabled(!c.enabled);
        bool fieldEnabled = !c.enabled, listEnabled = !c.enabled;
        e.loop.callLater(0, [&] {
            fieldEnabled = w.text(c.field).enabled();
            listEnabled = w.list(c.list).enabled();
        });
        load(std::string(c.key) + "\t" + c.value + "\r\n");
        EXPECT_TRUE(e.host.messages.empty());
        EXPECT_EQ(fieldEnabled, c.enabled);
        EXPECT_EQ(listEnabled, c.enabled);
    }
}

// The refreshes after a load bring the window in line with the settings:
// among them, the cells of the inputs the panel does not have are cleared.
TEST_F(FilesTest, RefreshesRunAfterALoadOnlyWhenItSucceeds)
{
    struct Case {
        const char* name;
        std::optional<std::string> chosen;
        std::string bytes;
        bool refreshed;
    } cases[] = {
        {"file loaded", "in.cfq", "Form1.Check_ring3.Value\t0\r\n", true},
        {"empty file", "in.cfq", "", true},
        {"no file name chosen", "", "", true},
        {"damaged file", "in.cfq", "Form1.Combo_out1.ListIndex\tx\r\n", false},
        {"cancelled dialog", std::nullopt, "", false},
    };
    ui::Grid& unusedInputs = w.grid("MSFlexGrid_z_o");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        e.host.messages.clear();
        unusedInputs.setMarked(1, 5, true);
        files_test::writeBytes("in.cfq", c.bytes);
        e.host.files.push_back(c.chosen);
        w.button("Command_open_file").userClick();
        EXPECT_EQ(e.host.messages.empty(), c.refreshed);
        EXPECT_EQ(unusedInputs.marked(1, 5), !c.refreshed);
        EXPECT_FALSE(w.work_with_file);
    }
}

TEST_F(FilesTest, FileCommandsHoldTheFileFlagUntilTheyEndAndClearTheTransferLabel)
{
    const char* commands[] = {"Command_save_file", "Command_open_file"};
    files_test::writeBytes("in.cfq", "Form1.Check_ring3.Value\t0\r\n");
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        w.label("Label_ok").setCaption("L    OK");
        bool flagWhileRunning = false;
        e.loop.callLater(0, [&] { flagWhileRunning = w.work_with_file; });
        e.host.files.push_back("in.cfq");
        w.button(command).userClick();
        EXPECT_TRUE(e.host.messages.empty());
        EXPECT_TRUE(flagWhileRunning);
        EXPECT_FALSE(w.work_with_file);
        EXPECT_EQ(w.label("Label_ok").caption(), "");
    }
}

TEST(MaskDecomposition, FollowsTheFileFormatsArithmetic)
{
    struct Case {
        const char* value;
        unsigned cells;  // bit k: cell of bit k marked
    } cases[] = {{"0", 0}, {"1", 1}, {"5", 5}, {"128", 128}, {"255", 255}, {"256", 255}, {"-1", 0},
                 {"300", 0xFF}, {" 7 ", 7}, {"2.5", 2}, {"3.5", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto cells = files::decomposeMask(c.value);
        unsigned got = 0;
        for (int bit = 0; bit < 8; ++bit)
            got |= cells[bit] ? 1u << bit : 0u;
        EXPECT_EQ(got, c.cells);
    }
}

}  // namespace
