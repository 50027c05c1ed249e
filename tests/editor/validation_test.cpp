#include "editor/validation.h"
#include "editor_fixture.h"

namespace {

using editor_test::StartedEditor;

struct Case {
    const char* field;
    std::string typed;
    std::string shown;
};

const std::string kThirteenDigits = "3806712345678";

// Each text is put into a field that holds its factory value.
const Case kCases[] = {
    // whole numbers 0 to 255
    {"Text_balance", "12a34", "12"},
    {"Text_balance", "a", "0"},
    {"Text_balance", "", "0"},
    {"Text_balance", "256", "0"},
    {"Text_balance", "255", "255"},
    {"Text_balance", "0099", "0099"},
    {"Text_balance", "99999999", "0"},
    {"Text_balance", "123456789012345678901234567890", "0"},
    {"Text_f_3", "15ms", "15"},
    {"Text_f_8", "", "0"},
    {"Text_len_beep", "300", "0"},
    {"Text_power_save", "255", "255"},
    {"Text_status_timeout", "-1", "0"},
    {"Text_gprs_period", "1 0", "1"},
    {"Text_Len_alarm_delay", "99x", "99"},
    {"Text_Len_Oxrana_delay", "", "0"},
    {"Text_pusle_out2", "256", "0"},
    {"Text_Tfiltr", "", "10"},
    {"Text_Tfiltr", "300", "10"},
    {"Text_Tfiltr", "x", "10"},
    {"Text_lev_12v", "", "0"},
    {"Text_lev_z6", "1000", "0"},
    {"Text_lev_low_batt", "12.5", "12"},
    // signed temperatures -128 to 127
    {"Text_Tmax", "+", "+"},
    {"Text_Tmax", "-", "-"},
    {"Text_Tmax", "+127", "+127"},
    {"Text_Tmax", "128", "+80"},
    {"Text_Tmax", "-129", "+80"},
    {"Text_Tmax", "-128", "-128"},
    {"Text_Tmax", "+1x5", "+1"},
    {"Text_Tmax", "x", "+80"},
    {"Text_Tmax", "", "+80"},
    {"Text_Tmax", "5-", "5"},
    {"Text_Tmax", "-99999999999999999999", "+80"},
    {"Text_Tmin", "", "-30"},
    {"Text_Tmin", "200", "-30"},
    {"Text_Tds", "", "+22"},
    {"Text_Tds", "30", "30"},
    // external sensor fields and server fields take anything
    {"Text_DS_Tmin", "abc", "abc"},
    {"Text_DS_Tfiltr", "", ""},
    {"Text_ip", "10.0.0.1:80 x", "10.0.0.1:80 x"},
    // access code
    {"Text_pin", "abc", "ab"},
    {"Text_pin", "a!", "5j"},
    {"Text_pin", "ж1", "5j"},
    {"Text_pin", "7", "7"},
    {"Text_pin", "", ""},
    // free texts
    {"Text_short1", "ZONA1ж", "ZONA1"},
    {"Text_short2", "a\tb", "a"},
    {"Text_short8", "", ""},
    {"Text_email", "user@example.com", "user@example.com"},
    {"Text_topic", std::string(32, 'T'), ""},  // nothing accepted yet to fall back on
    {"Text_topic", std::string(31, 'T'), std::string(31, 'T')},
    // names
    {"Text_z(0)", "Dver1", "Dver"},
    {"Text_z(0)", "Dv-r", "Dv"},
    {"Text_z(10)", "Вых1", ""},
    {"Text_z(3)", "Z", "Z"},
    // telephone numbers
    {"phone(1)", "+38 067", "+38"},
    {"phone(1)", "38+067", "38"},
    {"phone(2)", "+" + kThirteenDigits, "+" + kThirteenDigits.substr(0, 12)},
    {"phone(0)", kThirteenDigits + "9", kThirteenDigits},
    {"phone(9)", "+", "+"},
    {"phone(8)", "++1", "+"},
    // service numbers
    {"Text_charge2", "*111#9", "*111#"},
    {"Text_charge2", "*1a", "*1"},
    {"Text_charge1", "12345", "1234"},
    {"Text_charge1", "12*3", "12"},
    {"Text_charge1", "", ""},
};

TEST_F(StartedEditor, EachFieldShowsTheCorrectedText)
{
    for (const Case& c : kCases) {
        editor::fl_m(w);
        w.text(c.field).setText(c.typed);
        EXPECT_EQ(w.text(c.field).text(), c.shown) << c.field << " typed \"" << c.typed << "\"";
    }
}

TEST_F(StartedEditor, TypingRunsTheSameRuleAsAssigning)
{
    w.text("Text_balance").userEdit("42abc");
    EXPECT_EQ(w.text("Text_balance").text(), "42");
    w.text("phone(3)").userEdit("+7 (495)");
    EXPECT_EQ(w.text("phone(3)").text(), "+7");
}

// --- Side effects ----------------------------------------------------------

struct ThresholdCase {
    const char* separator;
    const char* field;
    const char* list;
    const char* typed;
    const char* above;
    const char* below;
};

TEST(ThresholdLists, ANewThresholdRebuildsItsListAndSelectsBelow)
{
    const ThresholdCase cases[] = {
        {".", "Text_lev_12v", "Check_zero8", "125", "выше +12.5V", "ниже +12.5V"},
        {",", "Text_lev_12v", "Check_zero8", "125", "выше +12,5V", "ниже +12,5V"},
        {".", "Text_lev_12v", "Check_zero8", "", "выше +0.0V", "ниже +0.0V"},
        {".", "Text_lev_12v", "Check_zero8", "007", "выше +0.7V", "ниже +0.7V"},
        {".", "Text_lev_z6", "Check_zero6", "255", "выше +25.5V", "ниже +25.5V"},
        {",", "Text_lev_z6", "Check_zero6", "5", "выше +0,5V", "ниже +0,5V"},
    };
    for (const ThresholdCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed + " with '" + c.separator + "'");
        support::EditorWindow e(c.separator);
        e.w.list(c.list).setListIndex(0);
        e.w.text(c.field).setText(c.typed);
        const ui::List& list = e.w.list(c.list);
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.item(0), c.above);
        EXPECT_EQ(list.item(1), c.below);
        EXPECT_EQ(list.listIndex(), 1);
    }
}

TEST_F(StartedEditor, TheSupplyListSelectionRedrawsTheDiagram)
{
    w.grid("MSFlexGrid_inputs_properties").setMarked(8, 0, true);
    w.list("Check_zero8").setListIndex(0);
    w.text("Text_lev_12v").setText("125");
    EXPECT_NE(w.picture("Picture_12v").toolTip().find("понижении"), std::string::npos)
        << w.picture("Picture_12v").toolTip();
}

TEST(LowBatteryLabel, FollowsTheThresholdWithTheRegionalSeparator)
{
    struct C {
        const char* separator;
        const char* typed;
        const char* caption;
    };
    for (const C& c : {C{".", "110", "ниже +11.0V"}, C{",", "106", "ниже +10,6V"}, C{".", "x", "ниже +0.0V"},
                       C{".", "300", "ниже +0.0V"}}) {
        support::EditorWindow e(c.separator);
        e.w.text("Text_lev_low_batt").setText(c.typed);
        EXPECT_EQ(e.w.label("Label_low_batt").caption(), c.caption) << c.typed;
    }
}

TEST_F(StartedEditor, TheAccessCodeIsNamedInTheCommandRowTooltips)
{
    struct C {
        const char* typed;
        const char* code;
    };
    for (const C& c : {C{"ab", "ab"}, C{"a!", "5j"}, C{"", ""}, C{"Q9x", "Q9"}}) {
        w.text("Text_pin").setText(c.typed);
        const std::string code = c.code;
        EXPECT_EQ(w.label("Label49").toolTip(),
                  "Оповещения Хозяина при ВКЛ/ВЫКЛ охраны SMS-командой (OXR-on" + code + "/OXR-of" + code + ")");
        EXPECT_EQ(w.label("Label48").toolTip(),
                  "Оповещения Хозяина при ВКЛ/ВЫКЛ охраны DTMF-командой (*121 вкл, *120  выкл), которые доступны при "
                  "автоподнятии, или тревожном звонке, или перезвоне по SMS-команде Callme" +
                      code);
    }
}

TEST_F(StartedEditor, OwnerNumbersLabelBothOwnerGrids)
{
    for (int owner = 1; owner <= 8; ++owner)
        w.text(ui::indexed("phone", owner)).setText("+38067000000" + std::to_string(owner) + "x");
    for (int owner = 1; owner <= 8; ++owner) {
        const std::string number = "+38067000000" + std::to_string(owner);
        EXPECT_EQ(w.grid("MSFlexGrid_owners").cell(owner, 1), number);
        EXPECT_EQ(w.grid("MSFlexGrid_owners_").cell(owner, 1), number);
    }
    w.text("phone(4)").setText("");
    EXPECT_EQ(w.grid("MSFlexGrid_owners").cell(4, 1), "");
    EXPECT_EQ(w.grid("MSFlexGrid_owners_").cell(4, 1), "");
}

TEST_F(StartedEditor, ModemAndServiceNumbersAreNotCopiedToTheOwnerGrids)
{
    ui::Grid& owners = w.grid("MSFlexGrid_owners");
    std::vector<std::string> before;
    for (int r = 0; r < owners.rows(); ++r)
        before.push_back(owners.cell(r, 1));
    w.text("phone(0)").setText("+111");
    w.text("phone(9)").setText("+999");
    for (int r = 0; r < owners.rows(); ++r)
        EXPECT_EQ(owners.cell(r, 1), before[static_cast<std::size_t>(r)]) << r;
}

TEST_F(StartedEditor, APasteOf32OrMoreCharactersBringsBackTheLastAcceptedText)
{
    ui::TextField& text = w.text("Text_short1");
    text.userEdit("ZONA1");
    text.userEdit(std::string(40, 'A'));
    EXPECT_EQ(text.text(), "ZONA1");
    EXPECT_EQ(remembered->prev_short[0], "ZONA1");

    // The printable part decides: 31 printable characters and a Cyrillic tail pass.
    text.userEdit(std::string(31, 'B') + "ЖЖЖЖЖЖ");
    EXPECT_EQ(text.text(), std::string(31, 'B'));

    // An empty field is accepted but not remembered.
    text.userEdit("");
    text.userEdit(std::string(32, 'C'));
    EXPECT_EQ(text.text(), std::string(31, 'B'));
}

TEST_F(StartedEditor, EachFreeTextFieldRemembersItsOwnText)
{
    w.text("Text_email").userEdit("a@b.c");
    w.text("Text_topic").userEdit("ALARM");
    w.text("Text_short2").userEdit("GATE");
    w.text("Text_email").userEdit(std::string(50, 'x'));
    w.text("Text_topic").userEdit(std::string(32, 'x'));
    w.text("Text_short2").userEdit(std::string(33, 'x'));
    EXPECT_EQ(w.text("Text_email").text(), "a@b.c");
    EXPECT_EQ(w.text("Text_topic").text(), "ALARM");
    EXPECT_EQ(w.text("Text_short2").text(), "GATE");
    EXPECT_EQ(remembered->prev_Text_email, "a@b.c");
    EXPECT_EQ(remembered->prev_Text_topic, "ALARM");
}

TEST(FreeText, TheFirstLongPasteIntoAnUntouchedFieldEmptiesIt)
{
    support::WorkFolder folder(support::readyFolder());
    support::Program e;
    auto remembered = editor::wireValidationRules(e.w);  // hooked again to see what the rules remember
    e.start();
    // The factory reset empties the e-mail field; nothing was ever accepted.
    EXPECT_EQ(remembered->prev_Text_email, "");
    e.w.text("Text_email").userEdit(std::string(32, 'm'));
    EXPECT_EQ(e.w.text("Text_email").text(), "");
}

TEST_F(StartedEditor, NamesAndShortTextsRefreshTheStatusGrid)
{
    w.text("Text_z(1)").setText("Gate!");
    w.text("Text_short2").setText("VOROTA");
    w.text("Text_z(9)").setText("Lamp");
    w.list("Combo_out2").setListIndex(2);  // switched by an owner's call
    const ui::Grid& status = w.grid("MSFlexGrid_csd_input");
    EXPECT_EQ(status.cell(2, 0), "Gate");
    EXPECT_EQ(status.cell(2, 1), "VOROTA");
    EXPECT_EQ(status.cell(10, 0), "Lamp");
    EXPECT_EQ(w.grid("MSFlexGrid_custom_out").cell(2, 0), "Lamp");
    w.text("Text_z(9)").setText("Pump");
    EXPECT_EQ(w.grid("MSFlexGrid_custom_out").cell(2, 0), "Pump");
}

TEST_F(StartedEditor, TheThermostatSetPointIsNamedInTheTooltipsOfThermostatOutputsOnly)
{
    w.list("Combo_out2").setListIndex(14);
    const std::string before1 = w.list("Combo_out1").toolTip();
    w.text("Text_Tds").setText("30");
    EXPECT_EQ(w.list("Combo_out2").toolTip(),
              "Выход включает свой активный уровень при внешней температуре T меньше 30 и выключает его при Т больше 30");
    EXPECT_EQ(w.list("Combo_out1").toolTip(), before1);
    w.text("Text_Tds").setText("-");
    EXPECT_EQ(w.list("Combo_out2").toolTip(),
              "Выход включает свой активный уровень при внешней температуре T меньше - и выключает его при Т больше -");
}

}  // namespace
