#include <csignal>
#include <sys/resource.h>

#include "files/config_writer.h"
#include "files_fixture.h"

namespace {

using files_test::FilesTest;
using files_test::readBytes;
using files_test::writeBytes;

TEST_F(FilesTest, SaveAfterFactoryResetGivesExactlyTheFactoryFile)
{
    w.text("Text_pin").setText("77");
    w.button("Command_flat").userClick();
    EXPECT_EQ(save(), files_test::fixture("factory.cfq"));
    EXPECT_TRUE(e.host.messages.empty());
    EXPECT_FALSE(w.work_with_file);
    EXPECT_EQ(w.text("Text_file_name").text(), "out.cfq");
    EXPECT_TRUE(w.text("Text_file_name").allSelected());
}

TEST_F(FilesTest, DialogProposesIdentifierAndTimeStamp)
{
    w.label("Label_ID").setCaption("Q0012345");
    e.clock.time = {2010, 12, 6, 14, 35, 20};
    save();
    ASSERT_EQ(e.host.dialogs.size(), 1u);
    const platform::FileDialogRequest& d = e.host.dialogs[0];
    EXPECT_EQ(d.title, "Сохранить в файл конфигурацию");
    EXPECT_EQ(d.filter, " Files (*.cfq)|*.cfq|");
    EXPECT_EQ(d.initialName, "Q0012345_06122010_143520");
}

// A regional format with characters a file name cannot hold.
class SlashedRegional : public platform::Regional {
public:
    std::string decimalSeparator() const override { return "."; }
    std::string dateTimeText(const platform::LocalDateTime&) const override { return "12/6/2010 2:35:20 PM"; }
};

TEST_F(FilesTest, ProposedNameHasNoCharacterAFileNameCannotHold)
{
    SlashedRegional regional;
    editor::MainWindow other(editor::Services{e.loop, e.port, e.host, e.clock, regional});
    other.label("Label_ID").setCaption("a/b");
    EXPECT_EQ(files::proposedFileName(other), "a_b_12_6_2010_23520_PM");
}

// Any regional date and time text.
class TextRegional : public platform::Regional {
public:
    explicit TextRegional(std::string stamp) : stamp_(std::move(stamp)) {}
    std::string decimalSeparator() const override { return "."; }
    std::string dateTimeText(const platform::LocalDateTime&) const override { return stamp_; }

private:
    std::string stamp_;
};

TEST_F(FilesTest, ProposedNameIsIdentifierAndStampWithoutDotsAndColons)
{
    struct Case {
        const char* id;
        const char* stamp;
        const char* name;
    } cases[] = {
        {"", "06.12.2010 14:35:20", "_06122010_143520"},
        {"ID.7", "06.12.2010 4:05:00", "ID.7_06122010_40500"},
        {"ID", "2010-12-06 14:35:20", "ID_2010-12-06_143520"},
        {"ID", "06.12.2010 г. 14:35:20", "ID_06122010_г_143520"},
        {"ID", "6\\12\\2010 14:35:20", "ID_6_12_2010_143520"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stamp);
        TextRegional regional(c.stamp);
        editor::MainWindow other(editor::Services{e.loop, e.port, e.host, e.clock, regional});
        other.label("Label_ID").setCaption(c.id);
        EXPECT_EQ(files::proposedFileName(other), c.name);
    }
}

TEST_F(FilesTest, LowBatteryThresholdIsClampedToTheSupplyThresholdWhenSaving)
{
    struct Case {
        const char* low;
        const char* supply;
        const char* saved;
    } cases[] = {{"140", "130", "130"}, {"130", "130", "130"}, {"90", "130", "90"}, {"200", "99", "99"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.low);
        w.text("Text_lev_12v").setText(c.supply);
        w.text("Text_lev_low_batt").setText(c.low);
        std::string bytes = save();
        EXPECT_NE(bytes.find(std::string("Form1.Text_lev_low_batt.Text\t") + c.saved + "\r\n"), std::string::npos);
        EXPECT_EQ(w.text("Text_lev_low_batt").text(), c.saved);
    }
}

TEST_F(FilesTest, CancelledDialogShowsTheErrorAndWritesNothingButKeepsTheClamp)
{
    w.text("Text_lev_low_batt").setText("140");
    w.label("Label_ok").setCaption("L    OK");
    w.button("Command_save_file").userClick();  // no path scripted: cancel
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(e.host.messages[0].text, "Cancel was selected.");
    EXPECT_EQ(e.host.messages[0].title, w.form1.spec().caption);
    EXPECT_EQ(e.host.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(w.text("Text_lev_low_batt").text(), "130");
    EXPECT_EQ(w.label("Label_ok").caption(), "");
    EXPECT_FALSE(w.work_with_file);
    EXPECT_FALSE(std::filesystem::exists("out.cfq"));
}

TEST_F(FilesTest, SavingOverAFileReplacesItCompletely)
{
    writeBytes("out.cfq", std::string(20000, 'x'));
    std::string bytes = save();
    EXPECT_EQ(bytes.size(), files::encodeConfiguration(files::configurationEntries(w)).size());
    EXPECT_EQ(bytes.find('x' + std::string(10, 'x')), std::string::npos);
}

// The disk fills up in the middle of the save: a file size limit makes the
// write fail after the first bytes.
TEST_F(FilesTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    std::filesystem::create_directory("backups");
    writeBytes("backups/old.cfq", "old contents\r\n");
    auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ::getrlimit(RLIMIT_FSIZE, &previousLimit);
    rlimit small = previousLimit;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    e.host.files.push_back("backups/old.cfq");
    w.button("Command_save_file").userClick();
    ::setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousSignal);

    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(readBytes("backups/old.cfq"), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("backups"), {}), 1);
    EXPECT_FALSE(w.work_with_file);
}

TEST_F(FilesTest, SaveToAMissingFolderReportsIt)
{
    e.host.files.push_back("no/such/folder/x.cfq");
    w.button("Command_save_file").userClick();
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(e.host.messages[0].text, "File not found");
}

TEST_F(FilesTest, TextsAreWrittenInWindows1251)
{
    w.text("Text_apn_sim1").setText("Дача №5 ☺");
    w.text("Text_email").setText("");
    std::string bytes = save();
    EXPECT_NE(bytes.find("Form1.Text_apn_sim1.Text\t\xC4\xE0\xF7\xE0 \xB9" "5 ?\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Form1.Text_email.Text\t\r\n"), std::string::npos);
}

TEST_F(FilesTest, MarkMasksCountOnlyExactMarks)
{
    ui::Grid& g = w.grid("MSFlexGrid_z_o");
    for (int c = 0; c < 8; ++c)
        g.setCell(1, c, "");
    g.setCell(1, 0, "v");
    g.setCell(1, 1, "V");
    g.setCell(1, 2, " v");
    for (int c = 0; c < 8; ++c)
        g.setCell(2, c, "v");
    for (int c = 0; c < 8; ++c)
        g.setCell(3, c, "");
    std::string bytes = save();
    EXPECT_NE(bytes.find("Form1.MSFlexGrid_z_o.Row = 1\t1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Form1.MSFlexGrid_z_o.Row = 2\t255\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Form1.MSFlexGrid_z_o.Row = 3\t0\r\n"), std::string::npos);
}

}  // namespace
