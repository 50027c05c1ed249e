#include <gtest/gtest.h>

#include "link/commands.h"
#include "link/hex_text.h"
#include "support/panel_session.h"

namespace {

using support::PanelSession;

using platform::Bytes;
using platform::bytesOf;

const std::string Title = "Конфигуратор  ver.4.5_Q. от 06.12.2010";

TEST(PollCycle, TheFirstStatusFrameStartsTheReadAndTheReadCommandGoesOutInTheSameCycle)
{
    PanelSession s;
    s.w.decode_image = nullptr;  // the cycle alone: the dump is kept, not applied
    s.w.text("Text_file_name").setText("old.cfq");
    s.connect();
    ASSERT_TRUE(s.runUntilHeard(1));
    EXPECT_EQ(s.heard(), (std::vector<std::string>{"read"}));
    EXPECT_EQ(s.port.written(), bytesOf(devlink::readCommand()));
    EXPECT_TRUE(s.w.autoload_done);
    EXPECT_TRUE(s.w.est_shnur);
    EXPECT_FALSE(s.w.receive_command);
    EXPECT_EQ(s.w.text("Text_file_name").text(), "");
    EXPECT_EQ(s.w.label("Label_version").caption(), "RZ4.5");
    EXPECT_TRUE(s.w.label("Label_link").visible());
    for (const char* name : {"Command_receiv", "Command_send", "Command_flat", "Command_open_file"})
        EXPECT_FALSE(s.enabled(name)) << name;

    // The dump arrives; without an image decoder the controls come back.
    ASSERT_TRUE(s.runUntilHeard(2));
    EXPECT_EQ(s.heard().back(), "poll");
    EXPECT_EQ(s.w.label("Label_ok").caption(), "100%");
    EXPECT_EQ(s.w.Receive_EEPROM.substr(0, 12), "4C 4F 08 02 ");
    for (const char* name : {"Command_receiv", "Command_send", "Command_flat", "Command_open_file", "SSTab1"})
        EXPECT_TRUE(s.enabled(name)) << name;
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(ReadRequest, EmptiesWhatTheReadWillFillAndLocksTheRequestButtons)
{
    PanelSession s;  // not connected: the request alone
    editor::MainWindow& w = s.w;
    std::vector<std::string> emptied{"Text_file_name", "Text_charge1", "Text_charge2", "Text_pin"};
    std::vector<std::string> unticked{"Check_tone_on"};
    std::vector<std::string> firstEntry, zero;
    for (int i = 1; i <= 8; ++i) {
        emptied.push_back("Text_short" + std::to_string(i));
        unticked.push_back("Check_ring" + std::to_string(i));
        unticked.push_back("Check_sms" + std::to_string(i));
        firstEntry.push_back("Combo_sms" + std::to_string(i));
        zero.push_back("Text_f_" + std::to_string(i));
    }
    for (int i = 0; i <= 8; ++i)
        emptied.push_back(ui::indexed("phone", i));
    const std::vector<std::string> emptiedLabels{"Label_ok", "Label_clock", "Label_version", "Label_ID"};

    for (const std::string& name : emptied)
        w.text(name).setText("12");
    for (const std::string& name : unticked)
        w.check(name).setValue(1);
    for (const std::string& name : firstEntry)
        w.list(name).setListIndex(1);
    for (const std::string& name : zero)
        w.text(name).setText("50");
    for (const std::string& name : emptiedLabels)
        w.label(name).setCaption("x");
    w.link_ok = true;

    w.button("Command_receiv").onClick();

    for (const std::string& name : emptied)
        EXPECT_EQ(w.text(name).text(), "") << name;
    for (const std::string& name : unticked)
        EXPECT_EQ(w.check(name).value(), 0) << name;
    for (const std::string& name : firstEntry)
        EXPECT_EQ(w.list(name).listIndex(), 0) << name;
    for (const std::string& name : zero)
        EXPECT_EQ(w.text(name).text(), "0") << name;
    for (const std::string& name : emptiedLabels)
        EXPECT_EQ(w.label(name).caption(), "") << name;
    for (const char* name : {"Command_open_file", "Command_save_file", "Command_flat", "Command_receiv", "Command_send",
                             "Command_set_time"})
        EXPECT_FALSE(s.enabled(name)) << name;
    EXPECT_TRUE(s.enabled("SSTab1"));
    EXPECT_FALSE(w.link_ok);
    EXPECT_TRUE(w.receive_command);
}

TEST(SetClockRequest, LocksOnlyTheRequestButtonsAndRestartsTheTimeOut)
{
    PanelSession s;
    editor::MainWindow& w = s.w;
    for (const char* name : {"Label_ok", "Label_clock", "Label_version"})
        w.label(name).setCaption("x");
    w.link_ok = true;
    w.button("Command_set_time").onClick();
    s.loop.runFor(30000);
    w.button("Command_set_time").onClick();  // restarted: counts 40 s from here
    EXPECT_EQ(w.label("Label_ok").caption(), "");
    EXPECT_EQ(w.label("Label_clock").caption(), "");
    EXPECT_EQ(w.label("Label_version").caption(), "x");
    for (const char* name : {"Command_receiv", "Command_send", "Command_set_time"})
        EXPECT_FALSE(s.enabled(name)) << name;
    for (const char* name : {"Command_flat", "Command_open_file", "Command_save_file", "SSTab1"})
        EXPECT_TRUE(s.enabled(name)) << name;
    EXPECT_TRUE(w.set_time);
    EXPECT_FALSE(w.link_ok);
    s.loop.runFor(39999);
    EXPECT_FALSE(s.enabled("Command_receiv"));
    s.loop.runFor(1);
    EXPECT_TRUE(s.enabled("Command_receiv"));
}

TEST(PollCycle, AnAlarmTextThatReadsLikeAClockFrameDoesNotLoseTheDump)
{
    PanelSession s;
    const std::string text = "CLK: 10/12/09,14:05:33 door";
    std::fill(s.panel.image.begin() + 768, s.panel.image.begin() + 800, 0);
    std::copy(text.begin(), text.end(), s.panel.image.begin() + 768);
    s.linkUpAndUnlocked();
    EXPECT_EQ(s.w.label("Label_ok").caption(), "L    OK");
    EXPECT_EQ(s.w.text("Text_short1").text(), text);
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(PollCycle, EachKeepAliveBlinksTheLinkIndicator)
{
    PanelSession s;
    s.linkUp();
    std::vector<std::int32_t> colors{s.w.label("Label_link").backColor()};
    for (std::size_t polls = 3; polls <= 5; ++polls) {
        ASSERT_TRUE(s.runUntilHeard(polls));
        colors.push_back(s.w.label("Label_link").backColor());
    }
    for (std::size_t i = 1; i < colors.size(); ++i)
        EXPECT_NE(colors[i], colors[i - 1]);
    for (std::int32_t c : colors)
        EXPECT_TRUE(c == ui::color::Highlight || c == ui::color::ButtonFace);
}

TEST(PollCycle, PendingRequestsGoOutOnePerStatusFrameInPriorityOrder)
{
    PanelSession s;
    s.linkUp();
    std::size_t heardAtWrite = 0;
    s.w.send_all_parameters = [&] { heardAtWrite = s.panel.heard().size(); };
    // Each request button locks the others, so several requests are
    // pending together only when raised between two cycles like this.
    s.w.grid("MSFlexGrid_csd_input").userClick(9, 3);  // switch output 1 on
    s.w.set_time = s.w.send_command = s.w.receive_command = true;
    EXPECT_TRUE(s.w.receive_command && s.w.send_command && s.w.set_time && s.w.set_output_command);

    ASSERT_TRUE(s.runUntilHeard(6, 60000));
    std::vector<std::string> heard = s.heard();
    EXPECT_EQ(std::vector<std::string>(heard.begin() + 2, heard.begin() + 6),
              (std::vector<std::string>{"read", "clock", "outputs", "poll"}));
    EXPECT_EQ(heardAtWrite, 3u);  // after the read, before the clock
    EXPECT_FALSE(s.w.receive_command || s.w.send_command || s.w.set_time || s.w.set_output_command);
    EXPECT_EQ(s.panel.lastClockCommandText(), "AT+CCLK=\"10/12/09,14:05:33+00\"");
    EXPECT_EQ(s.panel.outputs & 0x01, 0x01);
    EXPECT_EQ(s.w.grid("MSFlexGrid_csd_input").cell(9, 3), "");
}

TEST(PollCycle, NothingIsSentWithoutACompleteStatusFrame)
{
    PanelSession s;
    s.linkUp();
    s.panel.silent = true;
    s.loop.runFor(2000);
    s.port.clearWritten();
    s.w.Buffer = devlink::hexText({0x4C, 0x49, 0x07, 0x45, 'R', 'Z'});  // a frame still arriving
    s.w.receive_command = s.w.set_time = true;
    s.loop.runFor(10000);
    EXPECT_TRUE(s.port.written().empty());
    EXPECT_TRUE(s.w.receive_command && s.w.set_time);
}

TEST(PollCycle, TheHelpWindowAppearsTwentySecondsAfterConnectingOnlyWhileNoCableAnswerCame)
{
    struct Case {
        const char* name;
        bool silent;
        bool csd;
        bool shown;
    } cases[] = {{"silent panel", true, false, true}, {"answering panel", false, false, false},
                 {"CSD mode", true, true, false}};
    for (const Case& c : cases) {
        PanelSession s;
        s.panel.silent = c.silent;
        s.w.check("Check_csd_mode").setValue(c.csd ? 1 : 0);
        s.connect();
        s.loop.runFor(19999);
        EXPECT_FALSE(s.w.help.shown()) << c.name;
        s.loop.runFor(1);
        EXPECT_EQ(s.w.help.shown(), c.shown) << c.name;
        EXPECT_EQ(s.w.timer("Timer_help").interval(), 0) << c.name;
        s.loop.runFor(30000);
        EXPECT_EQ(s.w.help.shown(), c.shown) << c.name;  // once only
    }
    PanelSession s;
    s.panel.silent = true;
    s.connect();
    s.loop.runFor(20000);
    ASSERT_TRUE(s.w.help.shown());
    s.w.help.button("Command1").userClick();
    EXPECT_FALSE(s.w.help.shown());
}

TEST(PollCycle, ASetClockWithoutAnswerUnlocksTheControlsAfterFortySeconds)
{
    PanelSession s;
    s.linkUp();
    s.panel.silent = true;
    s.loop.runFor(3000);
    s.w.button("Command_set_time").setVisible(true);
    s.w.button("Command_set_time").userClick();
    for (const char* name : {"Command_receiv", "Command_send", "Command_set_time"})
        EXPECT_FALSE(s.enabled(name)) << name;
    s.loop.runFor(39999);
    EXPECT_FALSE(s.enabled("Command_receiv"));
    s.loop.runFor(1);
    for (const char* name : {"Command_receiv", "Command_send", "Command_set_time", "SSTab1"})
        EXPECT_TRUE(s.enabled(name)) << name;
    EXPECT_TRUE(s.w.set_time);  // still pending for the next status frame
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(PollCycle, AShortStatusFrameEndsTheCycleWithTheRecoveryAndTheProgramGoesOn)
{
    PanelSession s;
    s.panel.version = "";  // an old firmware's frame without version
    s.connect();
    s.loop.runUntil([&] { return !s.host.messages.empty(); }, std::chrono::seconds(10));
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].title, Title);
    EXPECT_EQ(s.host.messages[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(s.host.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(s.w.Buffer, "");
    EXPECT_TRUE(s.w.receive_command);  // the automatic read stays pending
    for (const char* name : {"Command_receiv", "Command_send", "Command_flat", "SSTab1"})
        EXPECT_TRUE(s.enabled(name)) << name;
    EXPECT_TRUE(s.port.written().empty());

    s.panel.version = "RZ4.5";
    ASSERT_TRUE(s.runUntilHeard(1));
    EXPECT_EQ(s.heard().front(), "read");
}

TEST(PollCycle, ALongBufferIsCutToItsLast6600CharactersBeforeAnySearch)
{
    for (std::size_t length : {9000u, 9001u}) {
        PanelSession s;
        s.panel.silent = true;
        s.connect();
        std::string frame = devlink::hexText(s.panel.statusFrame());
        s.w.Buffer = frame + std::string(length - frame.size(), '0');
        s.loop.runFor(2000);
        EXPECT_EQ(s.port.written().empty(), length == 9001u) << length;
        EXPECT_LE(s.w.Buffer.size(), length == 9001u ? 6600u : 9000u - frame.size() + 1) << length;
    }
}

TEST(PollCycle, WriteAnswersAreShownAndTheKeepAliveStillGoesOut)
{
    struct Case {
        Bytes answer;
        const char* text;
    } cases[] = {{{0x41, 0x43, 0x03, 0x01}, "S    OK"}, {{0x4E, 0x4B, 0x02, 0x06}, "S    :- ("}};
    for (const Case& c : cases) {
        PanelSession s;
        s.linkUp();
        s.panel.silent = true;
        s.loop.runFor(3000);
        s.port.clearWritten();
        s.w.button("Command_send").setEnabled(false);
        s.w.Buffer = devlink::hexText(c.answer) + devlink::hexText(s.panel.statusFrame());
        s.loop.runFor(2000);
        EXPECT_EQ(s.w.label("Label_ok").caption(), c.text);
        EXPECT_TRUE(s.enabled("Command_send"));
        EXPECT_EQ(s.port.written(), bytesOf(devlink::pollCommand()));
    }
}

TEST(PollCycle, ATickThatComesWhileACycleWaitsIsSkipped)
{
    PanelSession s;
    s.linkUp();
    int transfers = 0;
    std::size_t writtenDuring = 0;
    s.w.send_all_parameters = [&] {
        ++transfers;
        std::size_t before = s.port.written().size();
        auto end = s.loop.now() + std::chrono::milliseconds(7000);
        s.loop.waitUntil([&] { return s.loop.now() >= end; });  // ticks and status frames come meanwhile
        writtenDuring = s.port.written().size() - before;
    };
    s.w.button("Command_send").userClick();
    s.loop.runUntil([&] { return transfers > 0 && !s.w.send_command; }, std::chrono::seconds(20));
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(writtenDuring, 0u);
    std::size_t heard = s.panel.heard().size();
    ASSERT_TRUE(s.runUntilHeard(heard + 1));
    EXPECT_EQ(s.heard().back(), "poll");
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(PollCycle, GarbageAndFramesInSmallPiecesStillKeepTheLinkAndTheBufferBounded)
{
    PanelSession s;
    s.w.decode_image = nullptr;  // the cycle alone: the dump is kept, not applied
    s.panel.garbageBetweenFrames = true;
    s.panel.deliveryChunk = 7;
    s.connect();
    std::size_t longest = 0;
    s.w.timer("Timer_help").onTick = nullptr;
    for (int i = 0; i < 60; ++i) {
        s.loop.runFor(1000);
        longest = std::max(longest, s.w.Buffer.size());
    }
    ASSERT_GE(s.heard().size(), 5u);
    EXPECT_EQ(s.heard().front(), "read");
    EXPECT_EQ(s.heard().back(), "poll");
    EXPECT_EQ(s.w.label("Label_ok").caption(), "100%");
    EXPECT_LE(longest, 9000u);
    EXPECT_TRUE(s.host.messages.empty());
}

}  // namespace
