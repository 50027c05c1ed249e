#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/virtual_event_loop.h"
#include "ui/window.h"

namespace {

ui::ControlSpec spec(ui::Kind kind, const std::string& name)
{
    ui::ControlSpec s;
    s.kind = kind;
    s.name = name;
    return s;
}

TEST(TextField, ChangeReactionRunsOnEveryRealChangeOnly)
{
    ui::TextField field(spec(ui::Kind::TextField, "Text_pin"));
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.setText("5j");
    field.setText("5j");
    field.userEdit("ab");
    EXPECT_EQ(changes, 2);
}

TEST(TextField, ReactionThatRewritesItsOwnTextRunsAgainForTheReplacement)
{
    ui::TextField field(spec(ui::Kind::TextField, "Text_z(0)"));
    std::vector<std::string> seen;
    field.onChange = [&] {
        seen.push_back(field.text());
        if (field.text().size() > 4)
            field.setText(field.text().substr(0, 4));
    };
    field.setText("Dver1");
    EXPECT_EQ(seen, (std::vector<std::string>{"Dver1", "Dver"}));
    EXPECT_EQ(field.text(), "Dver");
}

TEST(CheckBox, ClickReactionRunsOnAssignedChangeAndOnUserClick)
{
    ui::CheckBox box(spec(ui::Kind::CheckBox, "Check_gprs"));
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(0);  // unchanged: no reaction
    box.setValue(1);
    box.userClick();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(box.setValue(3), platform::Error);
    box.setEnabled(false);
    box.userClick();
    EXPECT_EQ(clicks, 2);
}

TEST(List, SelectionReactionRunsOnEveryAssignmentAndRefusesMissingEntries)
{
    ui::List list(spec(ui::Kind::List, "Combo_mic"));
    for (const char* entry : {"низкое", "среднее", "высокое"})
        list.addItem(entry);
    int selections = 0;
    list.onSelect = [&] { ++selections; };
    list.setListIndex(1);
    list.setListIndex(1);
    list.setListIndex(-1);
    EXPECT_EQ(selections, 3);
    EXPECT_THROW(list.setListIndex(3), platform::Error);
    EXPECT_THROW(list.setListIndex(-2), platform::Error);
    EXPECT_EQ(list.listIndex(), -1);
}

TEST(List, ShowsItsDesignTextUntilAnEntryIsSelected)
{
    ui::ControlSpec s = spec(ui::Kind::List, "Combo_vyr_type");
    s.caption = "плата тип q";
    ui::List list(s);
    list.addItem("плата тип q");
    list.addItem("плата тип qn");
    EXPECT_EQ(list.text(), "плата тип q");
    list.setListIndex(1);
    EXPECT_EQ(list.text(), "плата тип qn");
}

TEST(Grid, ProgramSetsRunNoReactionUserClicksOnFixedCellsAreIgnored)
{
    ui::ControlSpec s = spec(ui::Kind::Grid, "MSFlexGrid_z_o");
    s.rows = 9;
    s.cols = 8;
    s.fixedRows = 1;
    ui::Grid grid(s);
    std::vector<std::pair<int, int>> clicks;
    grid.onCellClick = [&](int r, int c) { clicks.emplace_back(r, c); };
    grid.setCell(1, 1, "v");
    grid.userClick(0, 3);
    grid.userClick(2, 3);
    EXPECT_TRUE(grid.marked(1, 1));
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_THROW(grid.setCell(9, 0, "v"), platform::Error);
}

TEST(Window, FindsControlsByNameAndKind)
{
    platform::VirtualEventLoop loop;
    ui::WindowSpec w;
    w.name = "Form1";
    w.controls = {spec(ui::Kind::TextField, "phone(9)"), spec(ui::Kind::Button, "Cmd(0)")};
    ui::Window window(w, loop);
    EXPECT_EQ(window.text("phone(9)").name(), "phone(9)");
    EXPECT_THROW(window.text("Cmd(0)"), std::out_of_range);
    EXPECT_EQ(window.find("nothing"), nullptr);
}

}  // namespace
