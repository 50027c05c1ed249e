#include <gtest/gtest.h>

#include "image/decoder.h"
#include "image_fixture.h"
#include "support/editor_window.h"
#include "platform/error.h"

namespace {

using image_test::DumpBuilder;
using support::EditorWindow;

class Decoder : public ::testing::Test {
protected:
    void read(const DumpBuilder& dump, int checksumError = 0)
    {
        e.w.Receive_EEPROM = dump.text(checksumError);
        image::decode_image(e.w);
    }
    std::string value(const std::string& key) const { return e.value(key); }

    EditorWindow e;
    editor::MainWindow& w = e.w;
};

// An image put together byte by byte from the byte map, different from the
// factory configuration wherever it can be.
DumpBuilder handBuiltImage()
{
    DumpBuilder d;
    d.byte(0, 0x0B)                              // in use: inputs 1, 2, 4
        .byte(1, 0x82)                           // Check_bez_call, Check_tone_on
        .byte(2, 0x01)                           // Check_state_out1
        .byte(3, 0x81)                           // Check_zero1 and Check_zero8 "1"
        .byte(6, 0x0D)                           // full circle, arming call, long arming call
        .byte(7, 0x81)                           // Label8 flag, Check_alarm_gprs
        .byte(8, 0x05)                           // SMS to owners 1 and 3
        .byte(9, 0x02)                           // call owner 2
        .byte(10, 0x80)                          // short SMS for owner 8
        .byte(11, 0x0F)                          // owner 1 told of inputs 1 to 4
        .byte(19, 7)                             // Text_f_1
        .chars(36, "atd123;\r,")
        .chars(46, "atd*100#;\r,")
        .chars(57, "atd+380671234567;\r,")
        .chars(76, "ftd;\r,")
        .chars(209, "atd12345\r,")
        .chars(249, "7Q")
        .byte(257, 3)
        .byte(258, 4)
        .byte(259, 5)
        .byte(260, 6)
        .byte(261, 40)
        .byte(262, 95)  // 104.5 -> 104
        .byte(263, 61)
        .byte(264, 9)
        .byte(266, 100)
        .byte(267, 0x80 | 0x18 | 0x02)  // alarm delay in minutes, microphone high, e-mail for the inside sensor
        .byte(269, 0x03)
        .byte(271, 3)
        .chars(272, "Z1xxAB12")
        .byte(320, 0x01)
        .byte(324, 0x03)
        .byte(342, 1)
        .byte(343, 7)
        .byte(344, 0)
        .byte(345, 9)
        .byte(349, 0x03)  // output 2 (mode 7) driven by inputs 1 and 2
        .byte(355, 0x01)
        .byte(356, 98)
        .byte(357, 0)
        .byte(362, 150)
        .byte(363, 0x08)
        .byte(365, 0x0F)
        .byte(366, 5)
        .chars(448, "\xC0pn,")
        .chars(480, "10.0.0.1,")
        .chars(505, "8080,")
        .chars(752, "123;")
        .chars(768, "HELLO");
    std::string serial = "Q0012345", password = "pw4Kx9Lm2Qa7Zr5Tn8";
    std::copy(serial.begin(), serial.end(), d.info.begin() + image::info::SerialFirst);
    std::copy(password.begin(), password.end(), d.info.begin() + image::info::PasswordFirst);
    return d;
}

TEST_F(Decoder, HandBuiltImageReachesEveryKindOfControl)
{
    read(handBuiltImage());

    struct Expect {
        const char* key;
        const char* value;
    };
    for (const Expect& x : std::initializer_list<Expect>{
             {"Form1.MSFlexGrid_inputs_properties.Col = monitor_total_col", "11"},
             {"Form1.Check_bez_call.Value", "1"},
             {"Form1.Check_start_sms.Value", "0"},
             {"Form1.Check_tone_on.Value", "1"},
             {"Form1.Check_state_out1.Value", "1"},
             {"Form1.Check_zero1.ListIndex", "1"},
             {"Form1.Check_zero3.ListIndex", "0"},
             {"Form1.Check_zero6.ListIndex", "0"},
             {"Form1.Check_zero8.ListIndex", "1"},
             {"Form1.Check_full_circle.Value", "1"},
             {"Form1.Combo_oxr_on_long.ListIndex", "1"},
             {"Form1.Check_oxr_on_sms.Value", "0"},
             {"Form1.Combo_oxr_of_long.ListIndex", "0"},
             {"Form1.Label8.BackColor", "-2147483635"},
             {"Form1.Check_alarm_gprs.Value", "1"},
             {"Form1.Check_sms1.Value", "1"},
             {"Form1.Check_sms2.Value", "0"},
             {"Form1.Check_sms3.Value", "1"},
             {"Form1.Check_ring1.Value", "0"},
             {"Form1.Check_ring2.Value", "1"},
             {"Form1.Combo_sms8.ListIndex", "1"},
             {"Form1.Combo_sms1.ListIndex", "0"},
             {"Form1.MSFlexGrid_z_o.Row = 1", "15"},
             {"Form1.MSFlexGrid_z_o.Row = 2", "0"},
             {"Form1.Text_f_1.Text", "7"},
             {"Form1.Text_charge1.Text", "123"},
             {"Form1.Text_charge2.Text", "*100#"},
             {"Form1.phone(1).Text", "+380671234567"},
             {"Form1.phone(2).Text", ""},
             {"Form1.phone(0).Text", "12345"},
             {"Form1.Text_pin.Text", "7Q"},
             {"Form1.Text_status_timeout.Text", "3"},
             {"Form1.Text_gprs_period.Text", "4"},
             {"Form1.Text_Len_Oxrana_delay.Text", "5"},
             {"Form1.Text_Len_alarm_delay.Text", "6"},
             {"Form1.Text_lev_z6.Text", "40"},
             {"Form1.Text_lev_12v.Text", "104"},
             {"Form1.Text_len_beep.Text", "61"},
             {"Form1.Text_balance.Text", "9"},
             {"Form1.Text_lev_low_batt.Text", "110"},
             {"Form1.Combo_del_alarm.ListIndex", "1"},
             {"Form1.Combo_del_oxrana.ListIndex", "0"},
             {"Form1.Combo_mic.ListIndex", "2"},
             {"SMS_q_Tgsm", "v"},
             {"SMS_q_Tds", ""},
             {"Form1.MSFlexGrid_temperature.Row = 1", "3"},
             {"Form1.MSFlexGrid_temperature.Row = 2", "0"},
             {"Form1.Combo_short_beep.ListIndex", "2"},
             {"Form1.Text_z(0).Text", "Z1xx"},
             {"Form1.Text_z(1).Text", "AB12"},
             {"Form1.MSFlexGrid_owner_call.Col = 0", "1"},
             {"Form1.MSFlexGrid_call_to_owner.Row = 1", "3"},
             {"Form1.Combo_out1.ListIndex", "1"},
             {"Form1.Combo_out2.ListIndex", "7"},
             {"Form1.Text_pusle_out1.Text", "9"},
             {"Form1.MSFlexGrid_inputs_to_out.Row = 2", "3"},
             {"Form1.MSFlexGrid_sms_command", "1"},
             {"Form1.Text_Tmin.Text", "-30"},
             {"Form1.Text_Tmax.Text", "-128"},
             {"Form1.Text_Tds.Text", "22"},
             {"Form1.Check_gprs.Value", "1"},
             {"Form1.Check_gprs_clock.Value", "0"},
             {"Form1.MSFlexGrid_active_unch", "15"},
             {"Form1.Combo_auto_oxrana_on.ListIndex", "5"},
             {"Form1.Text_apn_sim1.Text", "Аpn"},
             {"Form1.Text_ip.Text", "10.0.0.1"},
             {"Form1.Text_port.Text", "8080"},
             {"Form1.phone(9).Text", "123"},
             {"Form1.Text_short1.Text", "HELLO"},
             {"Form1.Text_short2.Text", ""},
             {"Form1.Text_email.Text", ""},
         })
        EXPECT_EQ(value(x.key), x.value) << x.key;

    EXPECT_EQ(w.label("Label_ok").caption(), "L    OK");
    EXPECT_EQ(w.label("Label_ID").caption(), "Q0012345");
    EXPECT_EQ(w.text("Label_ID_vyr_").text(), "Q0012345");
    EXPECT_EQ(w.text("Label_password_").text(), "pw4Kx9Lm2Qa7Zr5Tn8");
    for (const char* name : {"Command_receiv", "Command_send", "Command_flat", "Command_open_file"})
        EXPECT_TRUE(w.button(name).enabled()) << name;
}

TEST_F(Decoder, ChecksumOffByOneChangesNothingButTheResultCaption)
{
    w.button("Command_send").setEnabled(false);
    auto before = e.settings();
    read(handBuiltImage(), +1);
    EXPECT_EQ(w.label("Label_ok").caption(), "L    :- (");
    EXPECT_EQ(e.settings(), before);
    EXPECT_EQ(w.label("Label_ID").caption(), "");
    EXPECT_FALSE(w.button("Command_send").enabled());  // left to the poll cycle
}

constexpr const char* WorkingButtons[] = {"Command_set_time", "Command_flat",   "Command_open_file",
                                          "Command_save_file", "Command_receiv", "Command_send"};

TEST_F(Decoder, SuccessfulReadUnlocksEveryWorkingControl)
{
    for (const char* name : WorkingButtons)
        w.button(name).setEnabled(false);
    w.tabs().setEnabled(false);
    read(handBuiltImage());
    for (const char* name : WorkingButtons)
        EXPECT_TRUE(w.button(name).enabled()) << name;
    EXPECT_TRUE(w.tabs().enabled());
}

TEST_F(Decoder, DerivedPartsOfTheWindowAreRefreshedAfterTheRead)
{
    // Input 1 arms the panel (column 10) with a delay (column 6): the
    // arming delay pair and the arming-notice grid are enabled, the alarm
    // delay pair is not.
    w.text("Text_Len_alarm_delay").setEnabled(true);
    w.list("Combo_del_alarm").setEnabled(true);
    DumpBuilder d = handBuiltImage();
    d.byte(0, 0x01).byte(28, 0x01).byte(29, 0x01);
    read(d);
    for (const char* name : {"Text_Len_Oxrana_delay", "Combo_del_oxrana"})
        EXPECT_TRUE(w.form1.find(name)->enabled()) << name;
    EXPECT_TRUE(w.grid("MSFlexGrid_input_oxr").enabled());
    for (const char* name : {"Text_Len_alarm_delay", "Combo_del_alarm"})
        EXPECT_FALSE(w.form1.find(name)->enabled()) << name;
    // The CSD status grid shows the names read.
    EXPECT_EQ(w.grid("MSFlexGrid_csd_input").cell(1, 0), "Z1xx");
    EXPECT_EQ(w.grid("MSFlexGrid_csd_input").cell(2, 0), "AB12");
}

TEST_F(Decoder, OutputModesDecideThePowerUpSwitchesAndComeBeforeTheOutputsInputs)
{
    DumpBuilder d;
    d.byte(2, 0x07)      // power-up switches of all three outputs
        .byte(342, 0)    // output 1: mode 0, not driven by inputs
        .byte(343, 2)    // output 2: a mode with a power-up state
        .byte(344, 5)
        .byte(348, 0x03);  // inputs 1 and 2 drive output 1 all the same
    read(d);
    EXPECT_EQ(value("Form1.Check_state_out1.Value"), "0");
    EXPECT_FALSE(w.check("Check_state_out1").enabled());
    EXPECT_EQ(value("Form1.Check_state_out2.Value"), "1");
    EXPECT_TRUE(w.check("Check_state_out2").enabled());
    EXPECT_EQ(value("Form1.Check_state_out3.Value"), "0");
    EXPECT_EQ(value("Form1.MSFlexGrid_inputs_to_out.Row = 1"), "3");
}

TEST_F(Decoder, PowerUpSwitchSurvivesWhateverTheWindowShowedBefore)
{
    // Changing Check_full_circle refreshes the tooltips, which reruns every
    // output's mode reaction with the modes shown before the read.
    struct Case {
        int modeBefore;      // output 2 in the window before the read
        std::uint8_t byte6;  // bit 0: Check_full_circle (1 in the window)
        std::uint8_t mode;   // output 2 in the image
        std::uint8_t byte2;  // bit 1: the power-up switch of output 2
        const char* shown;
    };
    for (const Case& c : std::vector<Case>{
             {0, 0x00, 2, 0x02, "1"},  // the tooltip refresh ran under mode 0
             {0, 0x01, 2, 0x02, "1"},
             {1, 0x00, 1, 0x02, "1"},
             {1, 0x00, 1, 0x00, "0"},
             {2, 0x00, 3, 0x02, "0"},  // mode 3 has no power-up state
         }) {
        EditorWindow fresh;
        fresh.w.list("Combo_out2").setListIndex(c.modeBefore);
        fresh.w.Receive_EEPROM = DumpBuilder().byte(2, c.byte2).byte(6, c.byte6).byte(343, c.mode).text();
        image::decode_image(fresh.w);
        EXPECT_EQ(fresh.value("Form1.Check_state_out2.Value"), c.shown)
            << "mode " << c.modeBefore << " -> " << int(c.mode) << ", byte 6 " << int(c.byte6);
    }
}

TEST_F(Decoder, InputTypesOfInputs6And8SurviveAChangedThreshold)
{
    // The factory thresholds are 30 and 130; the image holds others, and
    // entry 0 ("above") for both inputs.
    read(DumpBuilder().byte(261, 45).byte(262, 100).byte(3, 0x00));
    EXPECT_EQ(value("Form1.Text_lev_z6.Text"), "45");
    EXPECT_EQ(value("Form1.Text_lev_12v.Text"), "110");
    EXPECT_EQ(value("Form1.Check_zero6.ListIndex"), "0");
    EXPECT_EQ(value("Form1.Check_zero8.ListIndex"), "0");
    EXPECT_EQ(w.list("Check_zero8").item(0), "выше +11.0V");
}

TEST_F(Decoder, OwnerSlots)
{
    struct Case {
        const char* what;
        int offset;
        std::string bytes;
        const char* control;
        const char* shown;
    };
    for (const Case& c : std::vector<Case>{
             {"empty owner", 57, "ftd;\r,", "phone(1)", ""},
             {"a number of 13 characters", 57, "atd+380671234567;\r,", "phone(1)", "+380671234567"},
             {"an unset slot that still holds a number", 57, "ftd+38067;\r,", "phone(1)", ""},
             {"owner 8", 190, "atd555;\r,", "phone(8)", "555"},
             // The data owner's record has no ";": the last digit stays.
             {"data owner", 209, "atd12345\r,", "phone(0)", "12345"},
         }) {
        EditorWindow fresh;
        fresh.w.text(c.control).setText("999");
        fresh.w.Receive_EEPROM = DumpBuilder().chars(c.offset, c.bytes).text();
        image::decode_image(fresh.w);
        EXPECT_EQ(fresh.w.text(c.control).text(), c.shown) << c.what;
    }
}

TEST_F(Decoder, OwnerSlotWithoutAnyCarriageReturnIsEmpty)
{
    DumpBuilder d;
    d.chars(57, "atd123");
    for (int k = 1; k <= 8; ++k)  // no record of the image ends with CR
        d.chars(57 + 19 * k, "ftd");
    ASSERT_NE(d.frame().at(image::dump::ChecksumByte), 0x0D);
    w.text("phone(1)").setText("999");
    read(d);
    EXPECT_EQ(w.text("phone(1)").text(), "");
}

TEST_F(Decoder, ListsStoredAsWholeBytes)
{
    struct Case {
        int offset;
        std::uint8_t byte;
        const char* control;
        int before;
        int after;
    };
    for (const Case& c : std::vector<Case>{
             {271, 0, "Combo_short_beep", 1, 1},  // no such entry: the list stays
             {271, 4, "Combo_short_beep", 1, 1},
             {271, 1, "Combo_short_beep", 2, 0},
             {366, 24, "Combo_auto_oxrana_on", 0, 24},
             {366, 25, "Combo_auto_oxrana_on", 3, 0},  // past the last hour: off
             {366, 255, "Combo_auto_oxrana_on", 3, 0},
             {267, 0x00, "Combo_mic", 0, 1},
             {267, 0x08, "Combo_mic", 1, 0},
             {267, 0x10, "Combo_mic", 1, 2},
             {267, 0x18, "Combo_mic", 1, 2},
         }) {
        EditorWindow fresh;
        fresh.w.list(c.control).setListIndex(c.before);
        fresh.w.Receive_EEPROM = DumpBuilder().byte(c.offset, c.byte).text();
        image::decode_image(fresh.w);
        EXPECT_EQ(fresh.w.list(c.control).listIndex(), c.after) << c.control << " byte " << int(c.byte);
    }
}

TEST_F(Decoder, InputsFiveToSevenAreClearedAfterTheRead)
{
    DumpBuilder d;
    d.byte(0, 0xFF).byte(11, 0xFF).byte(348, 0xFF).byte(342, 7);
    read(d);
    EXPECT_EQ(value("Form1.MSFlexGrid_inputs_properties.Col = monitor_total_col"), "143");
    EXPECT_EQ(value("Form1.MSFlexGrid_z_o.Row = 1"), "143");
    EXPECT_EQ(value("Form1.MSFlexGrid_inputs_to_out.Row = 1"), "143");
}

TEST_F(Decoder, OutputModePastTheListEndsTheReadAtThatValue)
{
    DumpBuilder d;
    d.byte(11, 0xFF).byte(343, 16);
    w.Receive_EEPROM = d.text();
    EXPECT_THROW(image::decode_image(w), platform::Error);
    // Values before the refused one are in; the refresh that clears inputs
    // 5 to 7 has not run.
    EXPECT_EQ(w.label("Label_ok").caption(), "L    OK");
    EXPECT_EQ(value("Form1.MSFlexGrid_z_o.Row = 1"), "255");
}

TEST_F(Decoder, BadHexadecimalDigitsChangeNoSetting)
{
    auto before = e.settings();
    std::string text = handBuiltImage().text();
    text[13 + 3 * 100] = 'G';  // image offset 100
    w.Receive_EEPROM = text;
    EXPECT_THROW(image::decode_image(w), platform::Error);
    EXPECT_EQ(e.settings(), before);
}

TEST_F(Decoder, ShortDumpTextIsAnError)
{
    w.Receive_EEPROM = handBuiltImage().text().substr(0, 3000);
    EXPECT_THROW(image::decode_image(w), platform::Error);
}

TEST_F(Decoder, TextWithoutTerminatorInItsFieldRunsOnToTheNextOne)
{
    // The server address fills its room and the port's first byte; the
    // search for "," is not bounded by the field.
    read(DumpBuilder().chars(480, std::string(24, '1') + "2,"));
    EXPECT_EQ(value("Form1.Text_ip.Text"), std::string(24, '1') + "2");
}

}  // namespace
