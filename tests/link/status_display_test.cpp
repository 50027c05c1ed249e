#include <gtest/gtest.h>

#include "editor/layout/form1_layout.h"
#include "editor/layout/help_layout.h"
#include "link/hex_text.h"
#include "link/output_control.h"
#include "link/poll_cycle.h"
#include "link/status_display.h"
#include "support/panel_session.h"

namespace {

using support::PanelSession;

TEST(StatusDisplay, TheStatusFieldsFillTheStateColumnOfTheStatusGrid)
{
    PanelSession s;
    s.regional.separator = ",";
    s.panel.inputs = 0x81 | 0x20;  // inputs 1 and 8 in alarm, and input 6
    s.panel.input8Level = 120;
    s.panel.temperature = 0xFB;
    s.panel.outputs = 0x05;
    s.panel.guard = true;
    ui::Grid& grid = s.w.grid("MSFlexGrid_csd_input");
    grid.setCell(6, 2, "untouched");
    grid.setCell(9, 3, "v");
    s.connect();
    ASSERT_TRUE(s.runUntilHeard(1));

    const char* expected[14] = {nullptr,  "АЛАРМ", "норма", "норма", "норма",           nullptr, "untouched",
                                nullptr,  "+13,2V, АЛАРМ", "ВКЛ", "выкл", "ВКЛ", "-5", "ВКЛ"};
    for (int row = 1; row < 14; ++row) {
        if (expected[row]) {
            EXPECT_EQ(grid.cell(row, 2), expected[row]) << "row " << row;
        }
    }
    EXPECT_EQ(grid.cell(9, 3), "v");  // the user's tick stays
}

TEST(StatusDisplay, Input8LevelIsShownInVoltsWithOneDecimal)
{
    struct Case {
        std::uint8_t byte;
        const char* separator;
        const char* text;
    } cases[] = {{120, ".", "+13.2V"}, {0, ",", "+0,0V"}, {5, ".", "+0.6V"}, {255, ".", "+28.1V"}, {91, ",", "+10,0V"}};
    for (const Case& c : cases)
        EXPECT_EQ(devlink::StatusDisplay::input8LevelText(c.byte, c.separator), c.text) << int(c.byte);
}

TEST(StatusDisplay, TheVersionCheckWarnsAboutOtherOrMissingVersions)
{
    struct Case {
        const char* name;
        std::string buffer;
        bool workWithFile;
        const char* version;
        const char* clock;
    } cases[] = {
        {"expected", "4C 49 07 45 52 5A 34 2E 35 00 78 00 80 00 00 45 4E 05 09 ", false, "RZ4.5", ""},
        {"older", "4C 49 07 45 52 5A 34 2E 33 00 78 00 80 00 00 45 4E 05 09 ", false, "RZ4.3",
         "У Вас версия ПО 4.3. ОБНОВИТЕ на 4.5 !!!"},
        // Fewer than 27 characters from the marker on: no version (the
        // fields then fail too, and the cycle's recovery follows).
        {"none", "4C 49 07 45 45 4E 05 09 ", false, "old", "ОБНОВИТЕ версию ПО на 4.5 !!!"},
        {"file in work", "4C 49 07 45 52 5A 34 2E 33 00 78 00 80 00 00 45 4E 05 09 ", true, "old", ""},
    };
    for (const Case& c : cases) {
        PanelSession s;
        s.panel.silent = true;
        s.connect();
        s.w.autoload_done = true;
        s.w.work_with_file = c.workWithFile;
        s.w.label("Label_version").setCaption("old");
        s.w.Buffer = c.buffer;
        s.loop.runFor(2000);
        EXPECT_EQ(s.w.label("Label_version").caption(), c.version) << c.name;
        EXPECT_EQ(s.w.label("Label_clock").caption(), c.clock) << c.name;
    }
}

TEST(StatusDisplay, AClockFrameIsShownUnlessAStatusFrameFollowsInTheSameCycle)
{
    const std::string clock = devlink::hexText(platform::bytesOf("CLK: \"10/12/09,14:05:33\"\r\n"));
    for (bool statusFollows : {false, true}) {
        PanelSession s;
        s.panel.silent = true;
        s.connect();
        s.w.autoload_done = true;
        s.w.Buffer = clock + (statusFollows ? devlink::hexText(s.panel.statusFrame()) : "");
        s.loop.runFor(2000);
        EXPECT_EQ(s.w.label("Label_clock").caption(), statusFollows ? "" : "Время Устройства: 10/12/09,14:05:33");
    }
}

TEST(OutputControl, OnlyTheControlCellsOfOutputsAndGuardToggleAndRaiseTheRequest)
{
    struct Case {
        int row, col;
        std::string before, after;
        bool raised;
    } cases[] = {
        {9, 3, "", "v", true},     {10, 3, "v", "", true},    {11, 3, "x", "", true},  {13, 3, "", "v", true},
        {12, 3, "", "", false},    {8, 3, "", "", false},     {9, 2, "выкл", "выкл", false},
    };
    for (const Case& c : cases) {
        PanelSession s;
        ui::Grid& grid = s.w.grid("MSFlexGrid_csd_input");
        grid.setCell(c.row, c.col, c.before);
        grid.userClick(c.row, c.col);
        EXPECT_EQ(grid.cell(c.row, c.col), c.after) << c.row << "," << c.col;
        EXPECT_EQ(s.w.set_output_command, c.raised) << c.row << "," << c.col;
    }
}

// The main window with the controls of other tabs that the link reaches by
// name, added where the layout does not have them yet.
ui::WindowSpec form1WithLinkedControls()
{
    ui::WindowSpec spec = editor::layout::form1Spec();
    auto ensure = [&spec](ui::Kind kind, const std::string& name, const std::string& caption) {
        for (const auto& c : spec.controls)
            if (c.name == name)
                return;
        ui::ControlSpec c;
        c.kind = kind;
        c.name = name;
        c.caption = caption;
        spec.controls.push_back(c);
    };
    ensure(ui::Kind::Label, "Label_web", "Вход на Web-server");
    ensure(ui::Kind::TextField, "Text_ip", "");
    ensure(ui::Kind::TextField, "Text_port", "");
    ensure(ui::Kind::TextField, "Text_lev_12v", "");
    ensure(ui::Kind::TextField, "Text_lev_low_batt", "");
    return spec;
}

struct LinkedWindow {
    platform::VirtualEventLoop loop;
    sim::Panel panel{loop};
    sim::SimulatedPort port{loop, panel};
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional;
    editor::MainWindow w{{loop, port, host, clock, regional}, form1WithLinkedControls(), editor::layout::helpSpec()};
    devlink::PortLink link{w};
    devlink::StatusDisplay display{w};
    devlink::PollCycle cycle{w, link, display};
};

TEST(StatusDisplay, TheWebLinkOpensTheServerAddressOfTheGprsSettings)
{
    LinkedWindow lw;
    lw.w.text("Text_ip").setText("193.0.2.15");
    lw.w.text("Text_port").setText("8080");
    lw.w.label("Label_web").userClick();
    lw.w.text("Text_ip").setText("");
    lw.w.label("Label_web").userClick();
    EXPECT_EQ(lw.host.urls, (std::vector<std::string>{"http://193.0.2.15:8080", "http://:8080"}));
}

TEST(WriteRequest, KeepsTheLowBatteryThresholdAtOrBelowTheSupplyThreshold)
{
    struct Case {
        const char* supply;
        const char* lowBattery;
        const char* after;
    } cases[] = {{"110", "120", "110"}, {"120", "110", "110"}, {"110", "110", "110"}, {"", "120", "120"}};
    for (const Case& c : cases) {
        LinkedWindow lw;
        lw.w.text("Text_lev_12v").setText(c.supply);
        lw.w.text("Text_lev_low_batt").setText(c.lowBattery);
        lw.w.label("Label_version").setCaption("RZ4.5");
        lw.cycle.writeRequest();
        EXPECT_EQ(lw.w.text("Text_lev_low_batt").text(), c.after) << c.supply << " " << c.lowBattery;
        EXPECT_TRUE(lw.w.send_command);
        EXPECT_FALSE(lw.w.button("Command_receiv").enabled());
        EXPECT_EQ(lw.w.button("Command_send").backColor(), ui::color::Highlight);
        EXPECT_EQ(lw.w.label("Label_version").caption(), "");
    }
}

}  // namespace
