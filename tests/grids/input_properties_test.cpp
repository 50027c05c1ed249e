// Click rules of the input properties grid: rows are inputs 1 to 8,
// columns the properties (10 arming input, 11 watched at arming, 6 delay,
// 7 on change, 1/2 short/long call, 8/9 three beeps/long siren).
#include "grids_fixture.h"

namespace grids_test {
namespace {

// The enabling that the marks drive.
struct Enabling {
    bool alarmDelay = false, alarmUnit = false, armingDelay = false, armingUnit = false, armingNotices = false;
    bool operator==(const Enabling&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Enabling& e)
    {
        return os << "{alarm " << e.alarmDelay << e.alarmUnit << ", arming " << e.armingDelay << e.armingUnit
                  << ", notices " << e.armingNotices << "}";
    }
};

Enabling enablingOf(const editor::MainWindow& w)
{
    return {w.text("Text_Len_alarm_delay").enabled(), w.list("Combo_del_alarm").enabled(),
            w.text("Text_Len_Oxrana_delay").enabled(), w.list("Combo_del_oxrana").enabled(),
            w.grid("MSFlexGrid_input_oxr").enabled()};
}

constexpr Enabling None{};
constexpr Enabling NoticesOnly{false, false, false, false, true};
constexpr Enabling AlarmPair{true, true, false, false, false};
constexpr Enabling ArmingPair{false, false, true, true, true};
constexpr Enabling BothPairs{true, true, true, true, true};

struct ClickCase {
    const char* name;
    Cells before;  // marks set by program; the enabling then follows all_check
    Cell click;
    Cells after;
    Enabling enabling;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class InputPropertiesClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(InputPropertiesClick, MarksAndEnablingFollowTheRules)
{
    const ClickCase& c = GetParam();
    GridsWindow g;
    g.mark("MSFlexGrid_inputs_properties", c.before);
    editor::all_check(g.w);

    g.props().userClick(c.click.first, c.click.second);

    EXPECT_EQ(g.marks("MSFlexGrid_inputs_properties"), c.after);
    EXPECT_EQ(enablingOf(g.w), c.enabling);
}

const ClickCase ClickCases[] = {
    {"ArmingInputMovesAndTakesItsFixedMarks", row(3, {10, 0, 4, 5, 7}) + row(2, {1, 3, 8, 9, 11, 12}), {2, 10},
     row(3, {0, 4, 5, 7}) + row(2, {10, 0, 4, 5, 7, 12}), NoticesOnly},
    {"ArmingInputOnSupplyInput", {}, {8, 10}, row(8, {10, 0, 4, 5, 7}), NoticesOnly},
    {"RemovingArmingInputClearsColumn11AndDisablesOnlyTheArmingDelayText",
     row(3, {10, 0, 4, 5, 6, 7}) + row(1, {11}) + row(4, {3, 11}), {3, 10}, row(3, {0, 4, 5, 6, 7}) + row(4, {3}),
     {false, false, false, true, false}},
    {"WatchedAtArmingKeptOnOtherInputWhileArmingInputExists", row(3, {10}), {1, 11}, row(3, {10}) + row(1, {11}),
     NoticesOnly},
    {"WatchedAtArmingRefusedWithoutArmingInput", {}, {1, 11}, {}, None},
    {"WatchedAtArmingRefusedOnTheArmingInput", row(3, {10}), {3, 11}, row(3, {10}), NoticesOnly},
    {"WatchedAtArmingRemovableByClick", row(3, {10}) + row(1, {11}), {1, 11}, row(3, {10}), NoticesOnly},
    {"ChangeMarkStaysOnArmingInput", row(3, {10, 7}), {3, 7}, row(3, {10, 7}), NoticesOnly},
    {"ChangeMarkGoesFromOrdinaryInput", row(3, {10, 7}) + row(1, {7}), {1, 7}, row(3, {10, 7}), NoticesOnly},
    {"ShortCallExcludesLongCall", row(1, {2, 3}), {1, 1}, row(1, {1, 3}), None},
    {"LongCallExcludesShortCall", row(1, {1}), {1, 2}, row(1, {2}), None},
    {"ThreeBeepsExcludeLongSiren", row(4, {9}), {4, 8}, row(4, {8}), None},
    {"LongSirenExcludesThreeBeeps", row(4, {8}), {4, 9}, row(4, {9}), None},
    {"DelayOnOrdinaryInputEnablesAlarmPair", {}, {2, 6}, row(2, {6}), AlarmPair},
    {"DelayOnArmingInputEnablesArmingPair", row(3, {10}), {3, 6}, row(3, {10, 6}), ArmingPair},
    {"RemovingArmingInputsDelayLeavesAlarmPair", row(3, {10, 6}) + row(1, {6}), {3, 6}, row(3, {10}) + row(1, {6}),
     {true, true, false, false, true}},
    {"RemovingLastDelayDisablesBothPairs", row(2, {6}), {2, 6}, {}, None},
    {"UnusedInputRefusesMark", row(6, {7}), {6, 0}, row(6, {7}), None},
    {"UnusedInputRefusesArmingMark", {}, {5, 10}, {}, None},
    {"UnusedInputRefusesUnmark", row(7, {3}), {7, 3}, row(7, {3}), None},
    {"PlainColumnJustToggles", row(2, {13}), {2, 13}, {}, None},
};

INSTANTIATE_TEST_SUITE_P(Rules, InputPropertiesClick, ::testing::ValuesIn(ClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputProperties, RemovingArmingInputClearsItsNoticesGrid)
{
    GridsWindow g;
    g.mark("MSFlexGrid_inputs_properties", row(3, {10}));
    g.mark("MSFlexGrid_input_oxr", row(1, {1, 8}) + row(2, {4}));
    editor::all_check(g.w);

    g.props().userClick(3, 10);

    EXPECT_EQ(g.marks("MSFlexGrid_input_oxr"), Cells{});
    EXPECT_FALSE(g.grid("MSFlexGrid_input_oxr").enabled());
}

TEST(InputProperties, CellTextOtherThanVCountsAsUnmarked)
{
    GridsWindow g;
    g.props().setCell(2, 3, "V");
    g.props().userClick(2, 3);
    EXPECT_EQ(g.props().cell(2, 3), "v");
    g.props().userClick(2, 3);
    EXPECT_EQ(g.props().cell(2, 3), "");
}

TEST(InputProperties, EveryClickRedrawsTheDiagram)
{
    GridsWindow g;
    const std::string empty = g.w.picture("Picture_empty").picture();
    const std::string opens = g.w.picture("Picture1_obr_gnd").picture();
    g.w.list("Check_zero2").setListIndex(0);
    ASSERT_EQ(g.w.picture("Picture_z2").picture(), empty);

    g.props().userClick(2, 0);
    EXPECT_EQ(g.w.picture("Picture_z2").picture(), opens);
    g.props().userClick(2, 0);
    EXPECT_EQ(g.w.picture("Picture_z2").picture(), empty);
}

}  // namespace
}  // namespace grids_test
