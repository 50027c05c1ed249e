#include <gtest/gtest.h>

#include <functional>

#include "image/decoder.h"
#include "image/encoder.h"
#include "image_fixture.h"
#include "support/editor_window.h"
#include "platform/error.h"

namespace {

using image_test::DumpBuilder;
using support::EditorWindow;

// The factory configuration with the web server settings the fixture was
// written for.
void factoryWebServer(editor::MainWindow& w)
{
    w.text("Text_apn_sim1").setText("internet");
    w.text("Text_ip").setText("192.0.2.10");
}

image::Image written(editor::MainWindow& w)
{
    image::prepareForWrite(w);
    return image::encode(w);
}

TEST(Encoder, FactoryWindowGivesTheHandWrittenImage)
{
    EditorWindow e;
    factoryWebServer(e.w);
    image::Image expected = image_test::readImageFixture("factory_image.hex");
    image::Image actual = written(e.w);
    for (int offset = 0; offset < image::ImageSize; ++offset)
        EXPECT_EQ(int(actual[offset]), int(expected[offset])) << "offset " << offset;
}

struct KeyOffsetCase {
    const char* what;
    std::function<void(editor::MainWindow&)> edit;
    int offset;
    std::vector<std::uint8_t> bytes;
};

TEST(Encoder, KeyOffsets)
{
    auto text = [](const char* control, std::string value) {
        return [=](editor::MainWindow& w) { w.text(control).setText(value); };
    };
    auto list = [](const char* control, int index) {
        return [=](editor::MainWindow& w) { w.list(control).setListIndex(index); };
    };
    std::vector<KeyOffsetCase> cases = {
        {"supply threshold 105", text("Text_lev_12v", "105"), 262, {95}},
        {"supply threshold 130", text("Text_lev_12v", "130"), 262, {118}},
        {"low battery 106", text("Text_lev_low_batt", "106"), 266, {96}},
        {"Tmin -30", text("Text_Tmin", "-30"), 356, {98}},
        {"Tmax +127", text("Text_Tmax", "+127"), 357, {255}},
        {"external Tmin -128", text("Text_DS_Tmin", "-128"), 359, {0}},
        {"owner 1 fills the slot", text("phone(1)", "+380671234567"), 57,
         {'a', 't', 'd', '+', '3', '8', '0', '6', '7', '1', '2', '3', '4', '5', '6', '7', 0x3B, 0x0D, 0x2C, 'f'}},
        {"data owner", text("phone(0)", "1234567890123"), 209,
         {'a', 't', 'd', '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', '1', '2', '3', 0x0D, 0x2C, 0}},
        {"empty balance number", text("Text_charge1", ""), 36, {'a', 't', 'd', 0x3B, 0x0D, 0x2C, 0}},
        {"e-mail service number", text("phone(9)", "+79001234567"), 752,
         {'+', '7', '9', '0', '0', '1', '2', '3', '4', '5', '6', '7', ';', 0}},
        {"flag of Label8 is never written",
         [](editor::MainWindow& w) { w.label("Label8").setBackColor(ui::color::Highlight); }, 7, {0x80}},
        {"microphone low", list("Combo_mic", 0), 267, {0x07 | 0x08}},
        {"microphone middle", list("Combo_mic", 1), 267, {0x07}},
        {"microphone high", list("Combo_mic", 2), 267, {0x07 | 0x10}},
        {"short siren 0.45", list("Combo_short_beep", 2), 271, {3}},
        {"arming at 23 o'clock", list("Combo_auto_oxrana_on", 24), 366, {24}},
        {"mode 15 of output 3", list("Combo_out3", 15), 344, {15}},
        {"Cyrillic in the access point", text("Text_apn_sim1", "Ап"), 448, {0xC0, 0xEF, ',', 0}},
        {"outside the code page, one \"?\" each", text("Text_apn_sim1", "a中😀b"), 448, {'a', '?', '?', 'b', ',', 0}},
        {"access point of 31 characters", text("Text_apn_sim1", std::string(31, 'n')), 479, {','}},
        {"server port of 246 characters", text("Text_port", std::string(246, '9')), 750, {'9', ','}},
        {"empty short text", text("Text_short8", ""), 992, {0, 0}},
        // Two-entry lists are one bit each: nothing selected is not on.
        {"SMS form of owner 3 with nothing selected", list("Combo_sms3", -1), 10, {0xFB}},
        {"hidden input 5 type with nothing selected", list("Check_zero5", -1), 3, {0xA4}},
        {"input 5 type entry 1", list("Check_zero5", 1), 3, {0xB4}},
    };
    for (const KeyOffsetCase& c : cases) {
        EditorWindow e;
        c.edit(e.w);
        image::Image img = written(e.w);
        std::vector<std::uint8_t> actual(img.begin() + c.offset, img.begin() + c.offset + c.bytes.size());
        EXPECT_EQ(actual, c.bytes) << c.what;
    }
}

TEST(Encoder, ShortAccessCodeAndNamesAreCompletedInTheWindow)
{
    struct Case {
        const char* pin;
        const char* name;
        const char* pinShown;
        const char* nameShown;
    };
    for (const Case& c : std::vector<Case>{{"7", "AB", "5j", "ABxx"},
                                           {"", "", "5j", "xxxx"},
                                           {"7Q", "Z1", "7Q", "Z1xx"},
                                           {"ab", "Dver", "ab", "Dver"}}) {
        EditorWindow e;
        e.w.text("Text_pin").setText(c.pin);
        e.w.text("Text_z(3)").setText(c.name);
        image::Image img = written(e.w);
        EXPECT_EQ(e.w.text("Text_pin").text(), c.pinShown);
        EXPECT_EQ(e.w.text("Text_z(3)").text(), c.nameShown);
        EXPECT_EQ(std::string(img.begin() + 249, img.begin() + 251), c.pinShown);
        EXPECT_EQ(std::string(img.begin() + 284, img.begin() + 288), c.nameShown);
    }
}

TEST(Encoder, RefusesValuesWithoutAByteFormNamingTheSetting)
{
    struct Case {
        std::function<void(editor::MainWindow&)> edit;
        const char* key;
    };
    std::vector<Case> cases = {
        {[](editor::MainWindow& w) { w.list("Combo_out2").setListIndex(-1); }, "Form1.Combo_out2.ListIndex"},
        {[](editor::MainWindow& w) { w.list("Combo_auto_oxrana_on").setListIndex(-1); },
         "Form1.Combo_auto_oxrana_on.ListIndex"},
        {[](editor::MainWindow& w) { w.list("Combo_short_beep").setListIndex(-1); },
         "Form1.Combo_short_beep.ListIndex"},
        {[](editor::MainWindow& w) { w.text("Text_DS_Tmin").setText("abc"); }, "Form1.Text_DS_Tmin.Text"},
        {[](editor::MainWindow& w) { w.text("Text_DS_Tmax").setText("128"); }, "Form1.Text_DS_Tmax.Text"},
        {[](editor::MainWindow& w) { w.text("Text_DS_Tfiltr").setText("256"); }, "Form1.Text_DS_Tfiltr.Text"},
        {[](editor::MainWindow& w) { w.text("Text_DS_Tfiltr").setText("-1"); }, "Form1.Text_DS_Tfiltr.Text"},
        {[](editor::MainWindow& w) { w.text("Text_DS_Tmin").setText("+"); }, "Form1.Text_DS_Tmin.Text"},
        {[](editor::MainWindow& w) { w.text("Text_apn_sim1").setText(std::string(32, 'n')); },
         "Form1.Text_apn_sim1.Text"},
        {[](editor::MainWindow& w) { w.text("Text_ip").setText(std::string(25, '1')); }, "Form1.Text_ip.Text"},
        {[](editor::MainWindow& w) { w.text("Text_port").setText(std::string(247, '8')); }, "Form1.Text_port.Text"},
        // Room is counted in the panel's bytes: 24 Cyrillic letters fit.
    };
    for (const Case& c : cases) {
        EditorWindow e;
        c.edit(e.w);
        try {
            written(e.w);
            ADD_FAILURE() << "accepted " << c.key;
        } catch (const platform::Error& err) {
            EXPECT_NE(err.description().find(c.key), std::string::npos) << err.description();
        }
    }
    EditorWindow cyrillic;
    std::string letters;
    for (int i = 0; i < 24; ++i)
        letters += "Ж";
    cyrillic.w.text("Text_ip").setText(letters);
    EXPECT_NO_THROW(written(cyrillic.w));
}

// Writing a window and reading the image back into another one gives the
// same settings, except the voltage thresholds that move by a tenth and
// the plus signs of temperatures.
TEST(Encoder, ImageReadBackGivesTheSameWindow)
{
    EditorWindow source;
    source.w.text("Text_lev_12v").setText("125");
    source.w.text("Text_lev_low_batt").setText("105");
    source.w.text("phone(3)").setText("+380501112233");
    source.w.text("phone(0)").setText("0501112233");
    source.w.list("Combo_out2").setListIndex(7);
    source.w.grid("MSFlexGrid_inputs_to_out").setMarked(2, 3, true);
    source.w.list("Check_zero8").setListIndex(0);
    source.w.text("Text_short3").setText("OKNO KUHNI");
    image::Image img = written(source.w);

    DumpBuilder dump;
    dump.image = img;
    EditorWindow target;
    target.w.Receive_EEPROM = dump.text();
    image::decode_image(target.w);

    auto expected = source.settings();
    expected["Form1.Text_lev_low_batt.Text"] = "104";  // 105 -> 95 -> 104.5 -> 104
    // Temperatures come back as numbers, without a plus sign.
    expected["Form1.Text_Tmax.Text"] = "80";
    expected["Form1.Text_DS_Tmin.Text"] = "5";
    expected["Form1.Text_DS_Tmax.Text"] = "50";
    auto actual = target.settings();
    for (const auto& [key, value] : expected)
        EXPECT_EQ(actual[key], value) << key;
}

}  // namespace
