#include <gtest/gtest.h>

#include "link/commands.h"
#include "link/hex_text.h"
#include "ui/control_spec.h"

namespace {

std::string hex(const std::string& bytes) { return devlink::hexText(platform::bytesOf(bytes)); }

TEST(Commands, FixedCommandsHaveTheirExactBytes)
{
    EXPECT_EQ(hex(devlink::pollCommand()), "01 01 04 08 0A 0C ");
    EXPECT_EQ(hex(devlink::readCommand()), "01 01 01 09 0B 0D ");
    EXPECT_EQ(hex(devlink::setOutputsCommand(0x85)), "01 01 01 01 02 08 85 ");
}

TEST(Commands, SetClockCommandCarriesTheLocalTimeInTwoDigitFields)
{
    struct Case {
        platform::LocalDateTime t;
        std::string text;
    } cases[] = {
        {{2010, 12, 9, 14, 5, 33}, "AT+CCLK=\"10/12/09,14:05:33+00\""},
        {{2003, 1, 2, 0, 0, 0}, "AT+CCLK=\"03/01/02,00:00:00+00\""},
        {{2099, 11, 30, 23, 59, 59}, "AT+CCLK=\"99/11/30,23:59:59+00\""},
    };
    for (const Case& c : cases) {
        std::string command = devlink::setClockCommand(c.t);
        ASSERT_EQ(command.size(), 38u);
        EXPECT_EQ(hex(command.substr(0, 6)), "01 01 03 08 0B 0C ");
        EXPECT_EQ(command.substr(6, 30), c.text);
        EXPECT_EQ(hex(command.substr(36)), "0D 00 ");
    }
}

class OutputState : public ::testing::Test {
protected:
    ui::Grid grid{[] {
        ui::ControlSpec s;
        s.kind = ui::Kind::Grid;
        s.name = "MSFlexGrid_csd_input";
        s.rows = 14;
        s.cols = 4;
        s.fixedRows = 1;
        return s;
    }()};
    // States of outputs 1 to 3 and the guard (rows 9, 10, 11, 13).
    void show(const char* o1, const char* o2, const char* o3, const char* guard)
    {
        grid.setCell(9, 2, o1);
        grid.setCell(10, 2, o2);
        grid.setCell(11, 2, o3);
        grid.setCell(13, 2, guard);
    }
};

TEST_F(OutputState, IsTheCurrentStateInvertedWhereTickedAndEmptiesTheTicks)
{
    struct Case {
        const char* states[4];
        std::vector<int> tickedRows;
        int expected;
    } cases[] = {
        {{"ВКЛ", "выкл", "ВКЛ", "ВКЛ"}, {}, 0x85},
        {{"ВКЛ", "выкл", "ВКЛ", "ВКЛ"}, {10}, 0x87},
        {{"ВКЛ", "выкл", "ВКЛ", "ВКЛ"}, {9, 13}, 0x04},
        {{"", "", "", ""}, {}, 0x00},  // nothing shown yet: all off
        {{"", "", "", ""}, {9, 10, 11, 13}, 0x87},
    };
    for (const Case& c : cases) {
        show(c.states[0], c.states[1], c.states[2], c.states[3]);
        for (int row : c.tickedRows)
            grid.setCell(row, 3, "v");
        EXPECT_EQ(devlink::takeOutputState(grid), c.expected);
        for (int row : {9, 10, 11, 13})
            EXPECT_EQ(grid.cell(row, 3), "") << "row " << row;
    }
}

TEST_F(OutputState, AControlCellWithOtherTextIsNeitherTickNorEmpty)
{
    show("ВКЛ", "выкл", "выкл", "выкл");
    grid.setCell(9, 3, "x");
    grid.setCell(10, 3, "x");
    EXPECT_EQ(devlink::takeOutputState(grid), 0x00);
    EXPECT_EQ(grid.cell(9, 3), "x");
}

}  // namespace
