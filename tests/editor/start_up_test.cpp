#include <functional>
#include <vector>

#include "editor_fixture.h"
#include "platform/error.h"

namespace {

using support::Program;
using editor_test::StartedEditor;
using support::WorkFolder;

struct ListCase {
    const char* list;
    int count;
    int selected;
    std::vector<std::pair<int, std::string>> entries;  // position, text
};

TEST_F(StartedEditor, ListsAreFilledWithTheirEntriesAndSelection)
{
    const ListCase cases[] = {
        {"cmbPort", 16, 0, {{0, "COM1:"}, {15, "COM16:"}}},
        {"Combo_com", 4, 0, {{0, "None"}, {1, "Xon/Xoff"}, {2, "RTS"}, {3, "RTSXon/Xoff"}}},
        {"Combo_auto_oxrana_on",
         25,
         0,
         {{0, "Выключена автопостановка на охрану"},
          {1, "Автопостановка на охрану в 00 часов"},
          {2, "Автопостановка на охрану в 01 час"},
          {3, "Автопостановка на охрану в 02 часа"},
          {5, "Автопостановка на охрану в 04 часа"},
          {6, "Автопостановка на охрану в 05 часов"},
          {21, "Автопостановка на охрану в 20 часов"},
          {22, "Автопостановка на охрану в 21 час"},
          {23, "Автопостановка на охрану в 22 часа"},
          {24, "Автопостановка на охрану в 23 часа"}}},
        {"Combo_sms",
         3,
         0,
         {{0, "Shhrtd9f - прописать модем"}, {1, "Ptolfi0b - разрешить CSD-вход"}, {2, "Mkweay1b - запретить CSD-вход"}}},
        {"Combo_del_alarm", 2, 0, {{0, "задержка тревоги, сек"}, {1, "задержка тревоги, мин"}}},
        {"Combo_del_oxrana", 2, 0, {{0, "задержка охраны, сек"}, {1, "задержка охраны, мин"}}},
        {"Combo_short_beep", 3, 0, {{0, "0.15"}, {1, "0.30"}, {2, "0.45"}}},
        {"Combo_mic", 3, 1, {{0, "низкое"}, {1, "среднее"}, {2, "высокое"}}},
        {"Combo_out1", 16, 1, {}},
        {"Combo_out3", 16, 5, {}},
        {"Check_zero1", 2, 0, {{0, "убрать минус"}, {1, "подать минус"}}},
        {"Check_zero3", 2, 1, {}},
        {"Check_zero6", 2, 1, {{0, "убрать минус"}}},
        {"Check_zero8", 2, 1, {{0, "выше +13V"}, {1, "ниже +13V"}}},
        {"Combo_oxr_on_long", 2, 0, {{0, "короткий"}, {1, "длинный"}}},
        {"Combo_oxr_of_long", 2, 1, {}},
        {"Combo_sms5", 2, 1, {{0, "полная"}, {1, "краткая"}}},
        {"Combo_vyr_type", 2, -1, {{0, "плата тип q"}, {1, "плата тип qn"}}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.list);
        const ui::List& list = w.list(c.list);
        EXPECT_EQ(list.count(), c.count);
        EXPECT_EQ(list.listIndex(), c.selected);
        for (const auto& [position, text] : c.entries)
            EXPECT_EQ(list.item(position), text) << position;
    }
    EXPECT_EQ(w.list("Combo_vyr_type").text(), "плата тип q");
}

// Every hour of the automatic arming list, with the noun agreeing with it.
TEST_F(StartedEditor, AutomaticArmingListNamesEveryHour)
{
    const char* const entries[25] = {
        "Выключена автопостановка на охрану",  "Автопостановка на охрану в 00 часов",
        "Автопостановка на охрану в 01 час",   "Автопостановка на охрану в 02 часа",
        "Автопостановка на охрану в 03 часа",  "Автопостановка на охрану в 04 часа",
        "Автопостановка на охрану в 05 часов", "Автопостановка на охрану в 06 часов",
        "Автопостановка на охрану в 07 часов", "Автопостановка на охрану в 08 часов",
        "Автопостановка на охрану в 09 часов", "Автопостановка на охрану в 10 часов",
        "Автопостановка на охрану в 11 часов", "Автопостановка на охрану в 12 часов",
        "Автопостановка на охрану в 13 часов", "Автопостановка на охрану в 14 часов",
        "Автопостановка на охрану в 15 часов", "Автопостановка на охрану в 16 часов",
        "Автопостановка на охрану в 17 часов", "Автопостановка на охрану в 18 часов",
        "Автопостановка на охрану в 19 часов", "Автопостановка на охрану в 20 часов",
        "Автопостановка на охрану в 21 час",   "Автопостановка на охрану в 22 часа",
        "Автопостановка на охрану в 23 часа",
    };
    const ui::List& list = w.list("Combo_auto_oxrana_on");
    ASSERT_EQ(list.count(), 25);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(list.item(i), entries[i]) << i;
}

TEST_F(StartedEditor, ShowsTheFirstTabAndTheLogoAtItsSize)
{
    EXPECT_EQ(w.tabs().current(), 0);
    const ui::Picture& logo = w.picture("Image1");
    EXPECT_EQ(std::filesystem::path(logo.file()).filename(), "logo.jpg");
    EXPECT_EQ(logo.place().width, 2290);
    EXPECT_EQ(logo.place().height, 1390);
}

TEST(StartUp, PendingCommandsAreGoneBeforeAnyEventRuns)
{
    WorkFolder folder(support::readyFolder());
    Program e;
    e.w.receive_command = e.w.send_command = e.w.set_time = e.w.set_output_command = true;
    e.w.autoload_done = e.w.work_with_file = e.w.est_shnur = true;
    e.w.link_ok = true;
    e.w.Buffer = "43 4C 4B ";
    bool anyPending = true;
    std::string bufferSeen = "unseen";
    e.loop.callLater(0, [&] {
        anyPending = e.w.receive_command || e.w.send_command || e.w.set_time || e.w.set_output_command ||
                     e.w.autoload_done || e.w.work_with_file || e.w.est_shnur;
        bufferSeen = e.w.Buffer;
    });
    editor::start_up(e.w);
    EXPECT_FALSE(anyPending);
    EXPECT_EQ(bufferSeen, "");
    EXPECT_TRUE(e.w.link_ok) << "the link state is not a pending command";
}

TEST(StartUp, CaptionsAreReadLastAndTheirEventsRunBeforeTheWindowShows)
{
    WorkFolder folder({.logo = true});
    Program e;
    int reads = 0;
    bool defaultsApplied = false, logoLoaded = false, eventRan = false;
    e.w.load_c_file = [&] {
        ++reads;
        defaultsApplied = e.w.list("Combo_out3").listIndex() == 5;
        logoLoaded = !e.w.picture("Image1").file().empty();
        e.loop.callLater(0, [&] { eventRan = true; });
    };
    editor::start_up(e.w);
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(defaultsApplied);
    EXPECT_TRUE(logoLoaded);
    EXPECT_TRUE(eventRan);
}

TEST(StartUp, WithoutTheLogoTheErrorIsShownAndTheWindowOpensWithTheDefaults)
{
    struct C {
        bool captionFileExists;
        int captionFilesWritten;
    };
    for (const C& c : {C{false, 1}, C{true, 0}}) {
        SCOPED_TRACE(c.captionFileExists ? "caption file exists" : "no caption file");
        WorkFolder folder;  // no logo
        Program e;
        int reads = 0, writes = 0;
        e.w.load_c_file = [&] { ++reads; };
        e.w.save_c_file = [&] { ++writes; };

        editor::start_up_with_failure_path(e.w, c.captionFileExists);

        ASSERT_EQ(e.host.messages.size(), 1u);
        const auto& m = e.host.messages[0];
        EXPECT_EQ(m.title, "Error#53");
        EXPECT_EQ(m.icon, platform::MessageIcon::Critical);
        EXPECT_EQ(m.buttons, platform::MessageButtons::Ok);
        EXPECT_FALSE(m.text.empty());
        EXPECT_EQ(reads, 0) << "the sequence stopped at the logo";
        EXPECT_EQ(writes, c.captionFilesWritten);
        EXPECT_EQ(e.w.list("Combo_out1").listIndex(), 1);
        EXPECT_EQ(e.w.text("Text_lev_low_batt").text(), "110");
        EXPECT_EQ(e.w.text("Text_f_8").text(), "255");
    }
}

TEST(StartUp, WithoutTheFailurePathTheErrorReachesTheCaller)
{
    WorkFolder folder;  // no logo
    Program e;
    try {
        editor::start_up(e.w);
        FAIL() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::errc::FileNotFound);
    }
}

TEST(StartUp, AnErrorReadingTheCaptionsIsShownTooAndLeavesTheDefaults)
{
    WorkFolder folder({.logo = true});
    Program e;
    int writes = 0;
    e.w.load_c_file = [] { throw platform::Error(62, "Input past end of file"); };
    e.w.save_c_file = [&] { ++writes; };
    editor::start_up_with_failure_path(e.w, true);
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(e.host.messages[0].title, "Error#62");
    EXPECT_EQ(e.host.messages[0].text, "Input past end of file");
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(e.w.list("Combo_out3").listIndex(), 5);
}

}  // namespace

namespace {

using support::Program;
using support::WorkFolder;

// The enabled and visible states the window starts with; only the link,
// the modem, the grids and the output modes change them later.
TEST(StartUp, ControlsStartInTheirDesignedStates)
{
    struct C {
        const char* control;
        bool enabled;
        bool visible;
    };
    const C cases[] = {
        {"Command_send", false, true},          {"Command_receiv", false, true},
        {"Command_set_time", false, false},     {"Label_link", true, false},
        {"Command_flat", true, true},           {"Command_open_file", true, true},
        {"Command_save_file", true, true},      {"Cmd(0)", true, true},
        {"Cmd(1)", true, true},
        {"Text_Len_alarm_delay", false, true},  {"Combo_del_alarm", false, true},
        {"Text_Len_Oxrana_delay", false, true}, {"Combo_del_oxrana", false, true},
        {"Combo_oxr_on_long", true, true},      {"Combo_oxr_of_long", false, true},
        {"Text_gprs_period", false, true},      {"Text_ip", false, true},
        {"Text_z(4)", false, true},             {"Text_z(6)", false, true},
        {"Text_short5", false, true},           {"Text_short7", false, true},
        {"Check_zero5", true, false},           {"Check_zero7", true, false},
        {"Text_f_5", true, false},              {"Text_f_7", true, false},
        {"Text_lev_z6", true, false},
        {"MSFlexGrid_active_unch", true, false},
        {"Cmd_atd", false, true},               {"Cmd_ath", false, true},
        {"Command_send_sms", false, true},      {"Text_sms", false, true},
        {"Text_vyr_phone", false, true},
    };
    WorkFolder folder(support::readyFolder());
    Program e;
    e.start();
    ASSERT_TRUE(e.host.messages.empty());
    for (const C& c : cases) {
        const ui::Control* control = e.w.form1.find(c.control);
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(control->enabled(), c.enabled) << c.control;
        EXPECT_EQ(control->visible(), c.visible) << c.control;
    }
}

// Pending events run after the pin table is laid out and again once the
// type lists are filled, before the owner SMS lists and the defaults.
TEST(StartUp, PendingEventsRunAfterThePinTableAndAfterTheTypeLists)
{
    struct Seen {
        int zero8Entries, smsKindEntries, output1Mode, micGain;
    };
    WorkFolder folder(support::readyFolder());
    Program e;
    std::vector<Seen> passes;
    std::function<void()> record = [&] {
        passes.push_back({e.w.list("Check_zero8").count(), e.w.list("Combo_sms1").count(),
                          e.w.list("Combo_out1").listIndex(), e.w.list("Combo_mic").listIndex()});
        if (passes.size() < 2)
            e.loop.callLater(0, record);
    };
    e.loop.callLater(0, record);
    e.start();
    ASSERT_EQ(passes.size(), 2u);
    // After the pin table: the setting lists and the output modes are filled.
    EXPECT_EQ(passes[0].micGain, 1);
    EXPECT_EQ(passes[0].output1Mode, 0) << "mode 0 of the filling, not yet the factory mode 1";
    EXPECT_EQ(passes[0].zero8Entries, 0);
    // After the type lists.
    EXPECT_EQ(passes[1].zero8Entries, 2);
    EXPECT_EQ(passes[1].smsKindEntries, 0);
    EXPECT_EQ(passes[1].output1Mode, 0);
}

}  // namespace
