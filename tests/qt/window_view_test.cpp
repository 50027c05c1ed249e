#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "editor/layout/spec_helpers.h"
#include "platform/virtual_event_loop.h"
#include "qt/window_view.h"
#include "qt_app.h"

namespace {

// A small window: a tab control with two pages and a few controls on and
// off the pages.
ui::WindowSpec smallWindow()
{
    ui::WindowSpec w;
    w.name = "Form_small";
    w.caption = "Окно";
    w.width = 6000;
    w.height = 4500;
    w.tabControl = "Tabs";
    ui::ControlSpec tabs = editor::layout::make(ui::Kind::TabControl, "Tabs", -1, {0, 1200, 6000, 3000});
    tabs.tabs = {"ПЕРВАЯ", "ВТОРАЯ"};
    w.controls.push_back(editor::layout::make(ui::Kind::Label, "Label_a", -1, {150, 150, 1500, 300}, "надпись"));
    w.controls.push_back(tabs);
    w.controls.push_back(editor::layout::make(ui::Kind::TextField, "Text_a", 0, {150, 300, 1500, 300}, "старт"));
    w.controls.push_back(editor::layout::make(ui::Kind::CheckBox, "Check_a", 0, {150, 750, 1500, 300}, "флажок"));
    w.controls.push_back(editor::layout::make(ui::Kind::List, "Combo_a", 1, {150, 300, 1500, 315}, "выбор"));
    w.controls.push_back(editor::layout::make(ui::Kind::Button, "Command_a", -1, {1800, 150, 1500, 450}, "Кнопка"));
    ui::ControlSpec grid = editor::layout::make(ui::Kind::Grid, "Grid_a", 1, {150, 900, 3000, 1200});
    grid.rows = 3;
    grid.cols = 3;
    grid.fixedRows = 1;
    grid.fixedCols = 1;
    w.controls.push_back(grid);
    ui::ControlSpec log = editor::layout::make(ui::Kind::TextField, "Text_log", 1, {3300, 300, 2400, 900});
    log.multiLine = true;
    w.controls.push_back(log);
    return w;
}

class WindowViewTest : public ::testing::Test {
protected:
    WindowViewTest() : model(smallWindow(), loop) { qtApp(); }

    template <class W>
    W* widget(const std::string& name)
    {
        auto* w = qobject_cast<W*>(view->widget(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void build() { view = std::make_unique<qt::WindowView>(model); }

    platform::VirtualEventLoop loop;
    ui::Window model;
    std::unique_ptr<qt::WindowView> view;
};

TEST_F(WindowViewTest, PlacesControlsInPixelsOnTheirParents)
{
    build();
    view->setAttribute(Qt::WA_DontShowOnScreen);
    ASSERT_EQ(view->units().dpi, 96);
    EXPECT_EQ(view->widget("Label_a")->geometry(), QRect(10, 10, 100, 20));
    EXPECT_EQ(view->widget("Command_a")->geometry(), QRect(120, 10, 100, 30));
    // Controls of a tab sit on its page, placed relative to the page.
    auto* tabs = widget<QTabWidget>("Tabs");
    EXPECT_EQ(view->widget("Text_a")->parentWidget(), tabs->widget(0));
    EXPECT_EQ(view->widget("Combo_a")->parentWidget(), tabs->widget(1));
    EXPECT_EQ(view->widget("Text_a")->pos(), QPoint(10, 20));
    // The client area holds every control even where the design's outer
    // size is smaller than what it holds.
    EXPECT_EQ(view->width(), 400);
    EXPECT_EQ(view->height(), 280);
    EXPECT_EQ(view->windowTitle(), QString("Окно"));
}

TEST_F(WindowViewTest, WidgetsFollowTheModel)
{
    build();
    model.text("Text_a").setText("новое");
    model.check("Check_a").setValue(1);
    model.list("Combo_a").addItem("один");
    model.list("Combo_a").addItem("два");
    model.list("Combo_a").setListIndex(1);
    model.label("Label_a").setCaption("другая");
    model.button("Command_a").setEnabled(false);
    model.text("Text_a").setVisible(false);
    model.text("Text_a").setToolTip("подсказка");
    model.grid("Grid_a").setCell(1, 2, "v");
    model.tabs("Tabs").setCurrent(1);
    model.setCaption("Другое окно");

    EXPECT_EQ(widget<QLineEdit>("Text_a")->text(), QString("новое"));
    EXPECT_TRUE(widget<QLineEdit>("Text_a")->isHidden());
    EXPECT_EQ(widget<QLineEdit>("Text_a")->toolTip(), QString("подсказка"));
    EXPECT_EQ(widget<QCheckBox>("Check_a")->checkState(), Qt::Checked);
    EXPECT_EQ(widget<QComboBox>("Combo_a")->count(), 2);
    EXPECT_EQ(widget<QComboBox>("Combo_a")->currentText(), QString("два"));
    EXPECT_EQ(widget<QLabel>("Label_a")->text(), QString("другая"));
    EXPECT_FALSE(widget<QPushButton>("Command_a")->isEnabled());
    EXPECT_EQ(widget<QTableWidget>("Grid_a")->item(1, 2)->text(), QString("v"));
    EXPECT_EQ(widget<QTabWidget>("Tabs")->currentIndex(), 1);
    EXPECT_EQ(view->windowTitle(), QString("Другое окно"));

    model.list("Combo_a").clear();
    EXPECT_EQ(widget<QComboBox>("Combo_a")->count(), 0);
    EXPECT_EQ(widget<QComboBox>("Combo_a")->currentIndex(), -1);
}

TEST_F(WindowViewTest, UserActionsReachTheModelOnce)
{
    int changes = 0, selections = 0, clicks = 0;
    std::vector<std::pair<int, int>> cells;
    model.text("Text_a").onChange = [&] { ++changes; };
    model.list("Combo_a").addItem("один");
    model.list("Combo_a").onSelect = [&] { ++selections; };
    model.button("Command_a").onClick = [&] { ++clicks; };
    model.grid("Grid_a").onCellClick = [&](int r, int c) { cells.emplace_back(r, c); };
    build();

    emit widget<QLineEdit>("Text_a")->textEdited("набрано");
    EXPECT_EQ(model.text("Text_a").text(), "набрано");
    EXPECT_EQ(changes, 1);

    emit widget<QComboBox>("Combo_a")->activated(0);
    EXPECT_EQ(model.list("Combo_a").listIndex(), 0);
    EXPECT_EQ(selections, 1);

    widget<QPushButton>("Command_a")->click();
    EXPECT_EQ(clicks, 1);

    emit widget<QTableWidget>("Grid_a")->cellClicked(2, 2);
    emit widget<QTableWidget>("Grid_a")->cellClicked(0, 2);  // a fixed cell: no reaction
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{2, 2}}));

    // Copying the model into the widgets runs no reaction of the model.
    model.text("Text_a").setText("по программе");
    model.list("Combo_a").setListIndex(0);
    model.tabs("Tabs").setCurrent(1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(selections, 2);
}

TEST_F(WindowViewTest, ACorrectedEditShowsTheModelsText)
{
    // A rule that cuts the text at the first character that is not a digit.
    ui::TextField& field = model.text("Text_a");
    field.onChange = [&field] {
        std::string t = field.text();
        auto bad = t.find_first_not_of("0123456789");
        if (bad != std::string::npos)
            field.setText(t.substr(0, bad));
    };
    build();
    emit widget<QLineEdit>("Text_a")->textEdited("12x");
    EXPECT_EQ(field.text(), "12");
    EXPECT_EQ(widget<QLineEdit>("Text_a")->text(), QString("12"));
}

TEST_F(WindowViewTest, TheModelDecidesACheckBoxsState)
{
    ui::CheckBox& box = model.check("Check_a");
    build();
    auto* w = widget<QCheckBox>("Check_a");

    w->click();
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(w->checkState(), Qt::Checked);

    // A reaction that refuses the tick leaves the box unticked on screen too.
    box.onClick = [&box] { box.setValue(0); };
    w->click();
    w->click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(w->checkState(), Qt::Unchecked);

    box.onClick = nullptr;
    box.setValue(2);
    EXPECT_EQ(w->checkState(), Qt::PartiallyChecked);
}

TEST_F(WindowViewTest, MultiLineTextKeepsLineBreaksAndShowsItsEnd)
{
    build();
    auto* w = widget<QPlainTextEdit>("Text_log");
    ui::TextField& log = model.text("Text_log");
    log.setText("первая\r\nвторая");
    log.moveCaretToEnd();
    EXPECT_EQ(w->toPlainText(), QString("первая\nвторая"));
    EXPECT_EQ(w->textCursor().position(), 13);

    w->setPlainText("раз\nдва");
    EXPECT_EQ(log.text(), "раз\r\nдва");
}

TEST_F(WindowViewTest, WindowShowsAndHidesWithTheModel)
{
    build();
    view->setAttribute(Qt::WA_DontShowOnScreen);
    model.show();
    EXPECT_TRUE(view->isVisible());
    view->close();  // the user closes it by its title bar
    EXPECT_FALSE(model.shown());
    model.show();
    EXPECT_TRUE(view->isVisible());
    model.hide();
    EXPECT_FALSE(view->isVisible());
}

TEST_F(WindowViewTest, AModelOutlivingItsViewNotifiesNobody)
{
    build();
    view.reset();
    model.text("Text_a").setText("после");
    model.setCaption("после");
    SUCCEED();
}

}  // namespace
