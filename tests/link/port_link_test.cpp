#include <gtest/gtest.h>

#include "link/hex_text.h"
#include "platform/error.h"
#include "support/panel_session.h"
#include "ui/utf8.h"

namespace {

using support::PanelSession;

TEST(Connect, OpensTheChosenPortWithTheWindowsSettingsAndLocksThePortControls)
{
    struct Case {
        int portIndex;
        int flowIndex;
        std::string settings;
        int expectedNumber;
    } cases[] = {{0, 0, "9600,n,8,1", 1}, {15, 3, "115200,n,8,1", 16}, {4, 2, "19200,e,7,2", 5}};
    for (const Case& c : cases) {
        PanelSession s;
        s.w.list("cmbPort").setListIndex(c.portIndex);
        s.w.list("Combo_com").setListIndex(c.flowIndex);
        s.w.text("txtComSet").setText(c.settings);
        s.connect();
        ASSERT_TRUE(s.port.isOpen());
        EXPECT_EQ(s.port.portNumber(), c.expectedNumber);
        EXPECT_EQ(s.port.handshaking(), c.flowIndex);
        EXPECT_EQ(s.port.settings().baud, platform::PortSettings::parse(c.settings).baud);
        for (const char* name : {"Cmd(0)", "cmbPort", "Combo_com", "Check_csd_mode", "txtComSet", "Command_receiv",
                                 "Command_send"})
            EXPECT_FALSE(s.enabled(name)) << name;
        EXPECT_EQ(s.w.timer("Timer_help").interval(), 20000);
        EXPECT_FALSE(s.w.label("Label_link").visible());
        EXPECT_TRUE(s.host.messages.empty());
    }
}

TEST(Connect, ADevicePathAfterTheNumberedPortsIsOpenedByItsPath)
{
    PanelSession s;
    s.app.addPortChoice("/dev/ttyUSB0", false);
    s.app.addPortChoice("/dev/pts/7", true);
    EXPECT_EQ(s.w.list("cmbPort").count(), 18);
    s.connect();
    EXPECT_TRUE(s.port.isOpen());
    EXPECT_EQ(s.port.devicePath(), "/dev/pts/7");
}

TEST(Connect, AFailedOpenShowsTheErrorAndLeavesThePortControlsUsable)
{
    PanelSession s;
    s.port.failOpen(platform::errc::PortOpenFailed, "Port is busy");
    s.connect();
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "Port is busy");
    EXPECT_EQ(s.host.messages[0].title, "Error#8010");
    EXPECT_EQ(s.host.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(s.host.messages[0].buttons, platform::MessageButtons::Ok);
    for (const char* name : {"Cmd(0)", "cmbPort", "Combo_com"})
        EXPECT_TRUE(s.enabled(name)) << name;
    EXPECT_FALSE(s.enabled("txtComSet"));

    // The user picks another port and tries again.
    s.w.list("cmbPort").setListIndex(1);
    s.connect();
    EXPECT_TRUE(s.port.isOpen());
    EXPECT_EQ(s.port.portNumber(), 2);
}

TEST(Connect, InCsdModeTheHelpTimerStaysOffAndTheModemIsStarted)
{
    PanelSession s;
    int modemStarts = 0;
    s.w.modem_start = [&] { ++modemStarts; };
    s.w.check("Check_csd_mode").setValue(1);
    s.connect();
    EXPECT_EQ(modemStarts, 1);
    EXPECT_EQ(s.w.timer("Timer_help").interval(), 0);
}

TEST(Exit, AsksAboutSavingAndEndsTheProgramEitherWay)
{
    for (auto answer : {platform::MessageAnswer::Yes, platform::MessageAnswer::No}) {
        PanelSession s;
        int saves = 0;
        s.w.save_configuration = [&] {
            ++saves;
            EXPECT_FALSE(s.host.quitCalled);
        };
        s.host.answers.push_back(answer);
        s.w.button("Cmd(1)").userClick();
        ASSERT_EQ(s.host.messages.size(), 1u);
        EXPECT_EQ(s.host.messages[0].text, "Сохранить конфигурацию в файл?");
        EXPECT_EQ(s.host.messages[0].title, "Выход с конфигуратора");
        EXPECT_EQ(s.host.messages[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(saves, answer == platform::MessageAnswer::Yes ? 1 : 0);
        EXPECT_TRUE(s.host.quitCalled);
        EXPECT_FALSE(s.port.isOpen());
    }
}

TEST(Receive, BytesGoToTheBufferAsHexTextAndToTheTerminalAsTextLineErrorsAreIgnored)
{
    PanelSession s;
    s.connect();
    s.port.injectLineError(platform::PortEvent::Framing);
    s.port.injectLineError(platform::PortEvent::Break);
    EXPECT_EQ(s.w.Buffer, "");

    s.loop.runFor(3500);  // the panel's first status frame, not yet taken by a cycle
    EXPECT_EQ(s.w.Buffer, devlink::hexText(s.panel.statusFrame()));
    const std::string terminal = s.w.text("Text_at").text();
    EXPECT_NE(terminal.find("LI\x07" "ERZ4.5"), std::string::npos);
    EXPECT_EQ(s.w.text("Text_at").caret(), static_cast<int>(ui::utf8::length(terminal)));
}

TEST(Sending, PacedSendingHandsOverOneByteAtATimeWholeSendingAllAtOnce)
{
    PanelSession s;
    s.linkUp();
    s.port.clearWritten();
    std::size_t writesBefore = s.port.writes().size();
    s.w.set_time = true;
    s.runUntilHeard(3);
    const auto& writes = s.port.writes();
    ASSERT_GE(writes.size(), writesBefore + 38);
    for (std::size_t i = writesBefore; i < writesBefore + 38; ++i)
        EXPECT_EQ(writes[i].bytes.size(), 1u);
    // One byte takes about 1.04 ms at 9600 baud; each waits for the one before.
    EXPECT_GE(writes[writesBefore + 37].at - writes[writesBefore].at, std::chrono::milliseconds(37));

    s.runUntilHeard(4);
    EXPECT_EQ(s.heard().back(), "poll");
    EXPECT_EQ(s.port.writes().back().bytes.size(), 6u);
}

}  // namespace
