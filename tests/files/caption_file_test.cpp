#include "editor/procedures.h"
#include "files/caption_file.h"
#include "ui/cp1251.h"
#include "files_fixture.h"

namespace {

using files_test::FilesTest;
using files_test::fixture;
using files_test::readBytes;
using files_test::writeBytes;

// Starts are counted per test: each runs in a fresh folder with the logo.
class CaptionFileTest : public ::testing::Test {
protected:
    // One program start in the folder: a new window, its start-up.
    std::unique_ptr<support::Program> startProgram()
    {
        auto e = std::make_unique<support::Program>();
        e->start();
        return e;
    }

    // The default caption file with one line replaced.
    static std::string defaultsWith(const std::string& key, const std::string& newLine)
    {
        std::string text = ui::cp1251::toUtf8(fixture("default_captions.txt"));
        auto at = text.find(key + "\t");
        text.replace(at, text.find("\r\n", at) - at, newLine);
        return ui::cp1251::fromUtf8(text);
    }

    support::WorkFolder folder{{.logo = true}};
};

TEST_F(CaptionFileTest, FirstStartWritesTheDefaultsAndTheNextStartReadsThem)
{
    auto first = startProgram();
    ASSERT_EQ(first->host.messages.size(), 1u);
    EXPECT_EQ(first->host.messages[0].title, "Error#53");
    EXPECT_EQ(first->host.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(readBytes(files::kCaptionFileName), fixture("default_captions.txt"));

    auto second = startProgram();
    EXPECT_TRUE(second->host.messages.empty());
    EXPECT_EQ(second->w.form1.caption(), "Конфигуратор  ver.4.5_Q. от 06.12.2010");
    EXPECT_EQ(readBytes(files::kCaptionFileName), fixture("default_captions.txt"));
}

TEST_F(CaptionFileTest, ChangedOutputModeEntryChangesOnlyThatEntry)
{
    writeBytes(files::kCaptionFileName,
               defaultsWith("Form1.Combo_out2.Text3", "Form1.Combo_out2.Text3\tмой режим"));
    auto reference = std::make_unique<support::Program>();
    reference->w.load_c_file = nullptr;  // the window's own texts, no caption file
    editor::start_up(reference->w);
    auto e = startProgram();
    EXPECT_TRUE(e->host.messages.empty());
    for (const char* list : {"Combo_out1", "Combo_out2", "Combo_out3"}) {
        SCOPED_TRACE(list);
        std::vector<std::string> expected = reference->w.list(list).items();
        if (std::string(list) == "Combo_out2")
            expected[3] = "мой режим";
        EXPECT_EQ(e->w.list(list).items(), expected);
        EXPECT_EQ(e->w.list(list).listIndex(), reference->w.list(list).listIndex());
    }
    EXPECT_EQ(e->w.list("Combo_out2").listIndex(), 0);
}

TEST_F(CaptionFileTest, LinesApplyByExactKeyAndKeepEverythingAfterTheFirstTab)
{
    struct Case {
        const char* name;
        std::string line;
        std::function<void(editor::MainWindow&)> expect;
    };
    const Case cases[] = {
        {"button caption", "Form1.Cmd_ath.Caption\tПоложить трубку",
         [](editor::MainWindow& w) { EXPECT_EQ(w.button("Cmd_ath").caption(), "Положить трубку"); }},
        {"TAB inside the caption", "Form1.Cmd(0).Caption\ta\tb",
         [](editor::MainWindow& w) { EXPECT_EQ(w.button("Cmd(0)").caption(), "a\tb"); }},
        {"empty caption", "Form1.Combo_mic.Text2\t",
         [](editor::MainWindow& w) {
             EXPECT_EQ(w.list("Combo_mic").item(2), "");
             EXPECT_EQ(w.list("Combo_mic").listIndex(), 1);
         }},
        {"grid label", "Form1.MSFlexGrid_pins.Row = 11\tпитание",
         [](editor::MainWindow& w) { EXPECT_EQ(w.grid("MSFlexGrid_pins").cell(11, 1), "питание"); }},
        {"window title", "Form1.Caption\tМой конфигуратор",
         [](editor::MainWindow& w) { EXPECT_EQ(w.form1.caption(), "Мой конфигуратор"); }},
        {"other letter case, blank before TAB, unknown entry 15",
         "form1.Cmd_ath.Caption\tx\r\nForm1.Cmd_ath.Caption \tx\r\nForm1.Combo_out1.Text15\tx",
         [](editor::MainWindow& w) {
             EXPECT_EQ(w.button("Cmd_ath").caption(), "Отбой");
             EXPECT_EQ(w.list("Combo_out1").item(15), "выдает сигнал \"минус\" при голосовом соединении");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // No header lines, entries in any order: only the keys matter.
        writeBytes(files::kCaptionFileName, ui::cp1251::fromUtf8(c.line + "\r\nForm1.Cmd_atd.Caption\tЗвонок\r\n"
                                                                 "Form1.Combo_sms.Text0\tпрописать\r\n"));
        auto e = startProgram();
        EXPECT_TRUE(e->host.messages.empty());
        c.expect(e->w);
        EXPECT_EQ(e->w.list("Combo_sms").item(0), "прописать");
        EXPECT_EQ(e->w.button("Cmd_atd").caption(), "Звонок");
    }
}

TEST_F(CaptionFileTest, FailedStartKeepsAnExistingCaptionFile)
{
    std::filesystem::remove("logo.jpg");
    writeBytes(files::kCaptionFileName, "Form1.Cmd_ath.Caption\tx\r\n");
    auto e = startProgram();
    ASSERT_EQ(e->host.messages.size(), 1u);
    EXPECT_EQ(e->host.messages[0].title, "Error#53");
    EXPECT_EQ(readBytes(files::kCaptionFileName), "Form1.Cmd_ath.Caption\tx\r\n");
}

TEST_F(CaptionFileTest, FailedStartWithoutCaptionFileWritesTheCurrentTexts)
{
    std::filesystem::remove("logo.jpg");
    auto e = startProgram();
    EXPECT_EQ(e->host.messages.size(), 1u);
    EXPECT_EQ(readBytes(files::kCaptionFileName), fixture("default_captions.txt"));
}

TEST_F(FilesTest, ListEntryFromTheCaptionFileSelectsTheListsDefaultEntry)
{
    struct Case {
        const char* list;
        int other;  // a selection before the caption is applied
        int defaultEntry;
    } cases[] = {
        {"Combo_sms", 2, 0},  {"Combo_del_alarm", 1, 0}, {"Combo_del_oxrana", 1, 0}, {"Combo_mic", 2, 1},
        {"Combo_out1", 7, 1}, {"Combo_out2", 3, 0},      {"Combo_out3", 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        ui::List& list = w.list(c.list);
        list.setListIndex(c.other);
        std::vector<std::string> expected = list.items();
        expected[1] = "новый текст";
        files::applyCaptionFile(w, ui::cp1251::fromUtf8(std::string("Form1.") + c.list + ".Text1\tновый текст\r\n"));
        EXPECT_EQ(list.items(), expected);
        EXPECT_EQ(list.listIndex(), c.defaultEntry);
    }
}

TEST(CaptionEntries, AreTheEightyFiveKeysOfTheFile)
{
    const auto& entries = files::captionEntries();
    ASSERT_EQ(entries.size(), 85u);
    EXPECT_EQ(entries.front().key, "Form1.Caption");
    EXPECT_EQ(entries[5].key, "Command_send_sms.Caption");
    EXPECT_EQ(entries.back().key, "Form1.MSFlexGrid_dtmf_oxr.Row = 2");
}

}  // namespace
