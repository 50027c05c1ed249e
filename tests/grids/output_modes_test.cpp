// The mode lists of the outputs and what each mode enables.
#include "editor/output_mode_texts.h"
#include "grids_fixture.h"

namespace grids_test {
namespace {

TEST(OutputModeLists, HoldTheSixteenModesWithModeZeroSelected)
{
    GridsWindow g;
    for (int output = 1; output <= 3; ++output) {
        const ui::List& list = g.w.list("Combo_out" + std::to_string(output));
        ASSERT_EQ(list.count(), 16);
        EXPECT_EQ(list.listIndex(), 0);
        EXPECT_EQ(list.item(0), R"(Сирена, выдает "минус")");
        EXPECT_EQ(list.item(7), R"(выдает сигнал "минус" при нарушении входа ---->)");
        EXPECT_EQ(list.item(15), R"(выдает сигнал "минус" при голосовом соединении)");
    }
    const ui::List& board = g.w.list("Combo_vyr_type");
    EXPECT_EQ(board.items(), (std::vector<std::string>{"плата тип q", "плата тип qn"}));
    EXPECT_EQ(board.listIndex(), -1);
}

TEST(OutputModeTooltips, FollowTheModeAndTheOutput)
{
    GridsWindow g;
    struct Case {
        int output, mode;
        std::string tip;
    };
    const Case cases[] = {
        {1, 0, R"(Выход работает в режиме "СИРЕНА")"},
        {2, 2, "Выход пользовательский, выдает/снимает активный сигнал - управляется SMS, DTMF-командой, звонком Хозяина"},
        {3, 2, "Выход пользовательский, выдает/снимает активный - управляется SMS, DTMF-командой, звонком Хозяина"},
        {3, 13, "Выход включает свой активный уровень при отсутсвии регистрации в GSM-сети"},
    };
    for (const Case& c : cases) {
        g.setMode(c.output, c.mode);
        EXPECT_EQ(g.w.list("Combo_out" + std::to_string(c.output)).toolTip(), c.tip)
            << "output " << c.output << " mode " << c.mode;
    }
}

TEST(OutputModeTooltips, ThermostatTextsUseLatinTOnlyWhereTheDeviceTextsDo)
{
    GridsWindow g;
    for (int output = 1; output <= 3; ++output)
        g.setMode(output, 12);
    // \u0422 is the Cyrillic capital Т; plain T is the Latin letter.
    EXPECT_EQ(g.w.list("Combo_out1").toolTip(),
              "Выход включает свой активный уровень при внутренней температуре T меньше \u0422min и выключает его при "
              "\u0422 больше \u0422max");
    EXPECT_EQ(g.w.list("Combo_out2").toolTip(),
              "Выход включает свой активный уровень при внутренней температуре \u0422 меньше \u0422min и выключает его "
              "при \u0422 больше \u0422max");
    EXPECT_EQ(g.w.list("Combo_out3").toolTip(), g.w.list("Combo_out2").toolTip());

    g.w.text("Text_Tds").setText("-7");
    g.setMode(2, 14);
    EXPECT_EQ(g.w.list("Combo_out2").toolTip(),
              "Выход включает свой активный уровень при внешней температуре T меньше -7 и выключает его при \u0422 "
              "больше -7");

    g.w.list("Combo_out2").setListIndex(-1);
    EXPECT_EQ(g.w.list("Combo_out2").toolTip(), "");
    EXPECT_EQ(editor::output_mode_tooltip(16, 1, "22"), "");
}

TEST(OutputModeReaction, PulseFieldOnlyInThePulseModes)
{
    GridsWindow g;
    const std::set<int> pulseModes = {3, 4, 8, 9, 10, 11};
    for (int mode = 0; mode < 16; ++mode) {
        g.setMode(3, mode);
        EXPECT_EQ(g.w.text("Text_pusle_out3").enabled(), pulseModes.count(mode) == 1) << "mode " << mode;
    }
}

TEST(OutputModeReaction, PowerUpBoxOnlyInTheUserModesAndClearedOtherwise)
{
    GridsWindow g;
    ui::CheckBox& powerUp = g.w.check("Check_state_out2");
    g.setMode(2, 1);
    EXPECT_TRUE(powerUp.enabled());
    powerUp.setValue(1);

    g.setMode(2, 2);
    EXPECT_TRUE(powerUp.enabled());
    EXPECT_EQ(powerUp.value(), 1);

    g.setMode(2, 3);
    EXPECT_FALSE(powerUp.enabled());
    EXPECT_EQ(powerUp.value(), 0);
    EXPECT_TRUE(g.w.text("Text_pusle_out2").enabled());
}

TEST(OutputModeReaction, SetPointEnabledWhileAnyOutputIsAnExternalThermostat)
{
    GridsWindow g;
    EXPECT_FALSE(g.w.text("Text_Tds").enabled());
    g.setMode(3, 14);
    EXPECT_TRUE(g.w.text("Text_Tds").enabled());
    g.setMode(1, 14);
    g.setMode(3, 0);
    EXPECT_TRUE(g.w.text("Text_Tds").enabled());
    g.setMode(1, 12);
    EXPECT_FALSE(g.w.text("Text_Tds").enabled());
}

TEST(OutputModeReaction, VoiceOwnersShownWhileAnyOutputIsInMode15)
{
    GridsWindow g;
    ui::Grid& owners = g.grid("MSFlexGrid_active_unch");
    EXPECT_FALSE(owners.visible());
    g.setMode(1, 15);
    g.setMode(2, 15);
    EXPECT_TRUE(owners.visible());
    g.setMode(1, 0);
    EXPECT_TRUE(owners.visible());
    g.setMode(2, 3);
    EXPECT_FALSE(owners.visible());
}

TEST(OutputModeReaction, LeavingTheInputDrivenModesClearsOnlyThatOutputsRow)
{
    GridsWindow g;
    g.setMode(1, 7);
    g.setMode(2, 9);
    g.mark("MSFlexGrid_inputs_to_out", row(1, {0, 3, 7}) + row(2, {1}));

    g.setMode(1, 9);  // still driven by inputs
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(1, {0, 3, 7}) + row(2, {1}));

    g.setMode(1, 0);
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}));
    g.setMode(1, 7);
    EXPECT_EQ(g.marks("MSFlexGrid_inputs_to_out"), row(2, {1}));
}

}  // namespace
}  // namespace grids_test
