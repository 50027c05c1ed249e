#include "image/image_map.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace image {
namespace {

using K = FieldKind;

std::string n(int i) { return std::to_string(i); }
std::string propertyColumn(const char* name) { return std::string("Form1.MSFlexGrid_inputs_properties.Col = ") + name; }
std::string gridRow(const char* grid, int row) { return std::string("Form1.") + grid + ".Row = " + n(row); }
std::string gridCol(const char* grid, int col) { return std::string("Form1.") + grid + ".Col = " + n(col); }

class MapBuilder {
public:
    explicit MapBuilder(std::vector<Field>& out) : out_(out) {}

    void bit(K kind, int offset, int bit, std::string target) { out_.push_back({kind, offset, bit, std::move(target)}); }
    void check(int offset, int bit, std::string control) { this->bit(K::CheckBit, offset, bit, std::move(control)); }
    void twoEntry(int offset, int bit, std::string list) { this->bit(K::ListBit, offset, bit, std::move(list)); }
    // Eight controls "<stem>1" to "<stem>8" on bits 0 to 7.
    void eightBits(K kind, int offset, const std::string& stem)
    {
        for (int b = 0; b < 8; ++b)
            bit(kind, offset, b, stem + n(b + 1));
    }
    void mask(int offset, std::string key) { out_.push_back({K::Mask, offset, 0, std::move(key)}); }
    void byte(K kind, int offset, std::string control) { out_.push_back({kind, offset, 0, std::move(control)}); }
    void text(K kind, int offset, std::string control, int room, std::uint8_t terminator = 0)
    {
        out_.push_back({kind, offset, 0, std::move(control), room, terminator});
    }
    void hours(int offset, std::string control, int maxIndex)
    {
        out_.push_back({K::HourList, offset, 0, std::move(control), 0, 0, maxIndex});
    }

private:
    std::vector<Field>& out_;
};

std::vector<Field> buildMap()
{
    std::vector<Field> map;
    MapBuilder m(map);

    // 0-35: switches, input property columns, owner notification, filters.
    m.mask(0, propertyColumn("monitor_total_col"));
    m.check(1, 1, "Check_tone_on");
    m.check(1, 4, "Check_busy_on");
    m.check(1, 5, "Check_clock_off");
    m.check(1, 6, "Check_start_sms");
    m.check(1, 7, "Check_bez_call");
    for (int out = 1; out <= 3; ++out)
        m.bit(K::PowerUpBit, 2, out - 1, "Check_state_out" + n(out));
    m.eightBits(K::ListBit, 3, "Check_zero");
    m.mask(4, propertyColumn("long_call_col"));
    m.mask(5, propertyColumn("short_call_col"));
    m.check(6, 0, "Check_full_circle");
    m.check(6, 1, "Check_invert_out1");
    m.check(6, 2, "Check_oxr_on_call");
    m.twoEntry(6, 3, "Combo_oxr_on_long");
    m.check(6, 4, "Check_oxr_on_sms");
    m.check(6, 5, "Check_oxr_of_call");
    m.twoEntry(6, 6, "Combo_oxr_of_long");
    m.check(6, 7, "Check_oxr_of_sms");
    m.bit(K::FlagBit, 7, 0, "Label8");
    m.check(7, 1, "Check_invert_out2");
    m.check(7, 2, "Check_csd_in");
    m.check(7, 3, "Check_beep_bez_gsm");
    m.check(7, 5, "Check_invert_out3");
    m.check(7, 6, "Check_only_al_beep");
    m.check(7, 7, "Check_alarm_gprs");
    m.eightBits(K::CheckBit, 8, "Check_sms");
    m.eightBits(K::CheckBit, 9, "Check_ring");
    m.eightBits(K::ListBit, 10, "Combo_sms");
    for (int row = 1; row <= 8; ++row)
        m.mask(10 + row, gridRow("MSFlexGrid_z_o", row));
    for (int input = 1; input <= 8; ++input)
        m.byte(K::Number, 18 + input, "Text_f_" + n(input));
    m.mask(27, propertyColumn("change_col"));
    m.mask(28, propertyColumn("input_oxr_col"));
    m.mask(29, propertyColumn("time_out_col"));
    m.mask(30, propertyColumn("long_beep_col"));
    m.mask(31, propertyColumn("short_beep_col"));
    m.mask(32, propertyColumn("sms_zones_col"));
    m.mask(33, propertyColumn("monitor_ne_oxr_col"));
    m.mask(34, propertyColumn("monitor_v_oxr_col"));
    m.mask(35, propertyColumn("monitor_input_oxr_col"));

    // 36-227: dial records. Owner slot k holds phone(k+1); the last slot,
    // the data owner, holds phone(0).
    m.text(K::BalanceRecord, 36, "Text_charge1", 4);
    m.text(K::BalanceRecord, 46, "Text_charge2", 5);
    for (int k = 0; k < 8; ++k)
        m.text(K::OwnerRecord, 57 + 19 * k, "phone(" + n(k + 1) + ")", 13);
    m.text(K::DataOwnerRecord, 57 + 19 * 8, "phone(0)", 14);

    // 249-271: access code, timings, thresholds, more switches.
    m.text(K::Pin, 249, "Text_pin", 2);
    m.byte(K::Number, 257, "Text_status_timeout");
    m.byte(K::Number, 258, "Text_gprs_period");
    m.byte(K::Number, 259, "Text_Len_Oxrana_delay");
    m.byte(K::Number, 260, "Text_Len_alarm_delay");
    m.byte(K::Number, 261, "Text_lev_z6");
    m.byte(K::Voltage, 262, "Text_lev_12v");
    m.byte(K::Number, 263, "Text_len_beep");
    m.byte(K::Number, 264, "Text_balance");
    m.mask(265, propertyColumn("obxod_zones_col"));
    m.byte(K::Voltage, 266, "Text_lev_low_batt");
    m.bit(K::CellBit, 267, 0, "SMS_q_Tds");
    m.bit(K::CellBit, 267, 1, "SMS_q_Tgsm");
    m.check(267, 2, "Check_oxrana_gprs");
    m.byte(K::MicList, 267, "Combo_mic");
    m.twoEntry(267, 5, "Combo_del_oxrana");
    m.check(267, 6, "Check_beep_auto_off");
    m.twoEntry(267, 7, "Combo_del_alarm");
    m.mask(268, propertyColumn("silent_zones_col"));
    m.mask(269, gridRow("MSFlexGrid_temperature", 1));
    m.mask(270, gridRow("MSFlexGrid_temperature", 2));
    m.byte(K::ShortBeepList, 271, "Combo_short_beep");

    // 272-315: names of inputs 1 to 8 and outputs 1 to 3.
    for (int i = 0; i <= 10; ++i)
        m.text(K::Name, 272 + 4 * i, "Text_z(" + n(i) + ")", 4);

    // 320-366: owner calls, arming notices, outputs, temperatures, web server.
    for (int col = 0; col <= 3; ++col)
        m.mask(320 + col, gridCol("MSFlexGrid_owner_call", col));
    for (int row = 1; row <= 8; ++row)
        m.mask(323 + row, gridRow("MSFlexGrid_call_to_owner", row));
    for (int row = 1; row <= 8; ++row)
        m.mask(331 + row, gridRow("MSFlexGrid_sms_to_owner", row));
    for (int row = 1; row <= 2; ++row)
        m.mask(339 + row, gridRow("MSFlexGrid_input_oxr", row));
    for (int out = 1; out <= 3; ++out)
        m.byte(K::ModeList, 341 + out, "Combo_out" + n(out));
    for (int out = 1; out <= 3; ++out)
        m.byte(K::Number, 344 + out, "Text_pusle_out" + n(out));
    for (int row = 1; row <= 3; ++row)
        m.mask(347 + row, gridRow("MSFlexGrid_inputs_to_out", row));
    for (int row = 1; row <= 2; ++row)
        m.mask(350 + row, gridRow("MSFlexGrid_dtmf_oxr", row));
    for (int row = 1; row <= 2; ++row)
        m.mask(352 + row, gridRow("MSFlexGrid_sms_oxr", row));
    m.mask(355, "Form1.MSFlexGrid_sms_command");
    m.byte(K::Temperature, 356, "Text_Tmin");
    m.byte(K::Temperature, 357, "Text_Tmax");
    m.byte(K::Number, 358, "Text_Tfiltr");
    m.byte(K::Temperature, 359, "Text_DS_Tmin");
    m.byte(K::Temperature, 360, "Text_DS_Tmax");
    m.byte(K::Number, 361, "Text_DS_Tfiltr");
    m.byte(K::Temperature, 362, "Text_Tds");
    m.check(363, 0, "Check_gprs_clock");
    m.check(363, 1, "Check_gprs_balance");
    m.check(363, 3, "Check_gprs");
    m.byte(K::Number, 364, "Text_power_save");
    m.mask(365, "Form1.MSFlexGrid_active_unch");
    m.hours(366, "Combo_auto_oxrana_on", 24);

    // 384-1023: terminated texts.
    m.text(K::Text, 384, "Text_topic", 31, 0x00);
    m.text(K::Text, 416, "Text_email", 31, 0x00);
    m.text(K::Text, 448, "Text_apn_sim1", 31, ',');
    m.text(K::Text, 480, "Text_ip", 24, ',');
    m.text(K::Text, 505, "Text_port", 246, ',');
    m.text(K::Text, 752, "phone(9)", 15, ';');
    for (int input = 1; input <= 8; ++input)
        m.text(K::Text, 768 + 32 * (input - 1), "Text_short" + n(input), 31, 0x00);
    return map;
}

// Read order. Each step of a read in turn; the lists of inputs 6 and 8
// follow their thresholds, because a changed threshold rebuilds its list
// and selects an entry, which would otherwise overwrite the stored bit.
// Likewise the power-up switches of the outputs follow the output modes:
// a mode reaction (also run by the tooltip refresh of Check_full_circle)
// clears the switch of an output whose mode, as the window showed it
// before the read, has no power-up state.
std::vector<std::string> buildOrder()
{
    std::vector<std::string> o;
    auto add = [&o](std::initializer_list<std::string> targets) { o.insert(o.end(), targets); };
    auto downFrom8 = [&o](const std::string& stem) {
        for (int i = 8; i >= 1; --i)
            o.push_back(stem + n(i));
    };

    add({propertyColumn("monitor_total_col")});
    add({"Check_bez_call", "Check_start_sms", "Check_clock_off", "Check_busy_on", "Check_tone_on"});
    add({"Check_zero7", "Check_zero5", "Check_zero4", "Check_zero3", "Check_zero2", "Check_zero1"});
    add({propertyColumn("long_call_col"), propertyColumn("short_call_col")});
    add({"Check_oxr_of_sms", "Combo_oxr_of_long", "Check_oxr_of_call", "Check_oxr_on_sms", "Combo_oxr_on_long",
         "Check_oxr_on_call", "Check_invert_out1", "Check_full_circle"});
    add({"Check_alarm_gprs", "Check_only_al_beep", "Check_invert_out3", "Check_beep_bez_gsm", "Check_csd_in",
         "Check_invert_out2", "Label8"});
    downFrom8("Check_sms");
    downFrom8("Check_ring");
    downFrom8("Combo_sms");
    for (int row = 1; row <= 8; ++row)
        o.push_back(gridRow("MSFlexGrid_z_o", row));
    for (int input = 1; input <= 8; ++input)
        o.push_back("Text_f_" + n(input));
    for (const char* col : {"change_col", "input_oxr_col", "time_out_col", "long_beep_col", "short_beep_col",
                            "sms_zones_col", "monitor_ne_oxr_col", "monitor_v_oxr_col", "monitor_input_oxr_col"})
        o.push_back(propertyColumn(col));
    add({"Text_charge1", "Text_charge2"});
    for (int k = 1; k <= 8; ++k)
        o.push_back("phone(" + n(k) + ")");
    o.push_back("phone(0)");
    add({"Text_pin", "Text_status_timeout", "Text_gprs_period", "Text_Len_Oxrana_delay", "Text_Len_alarm_delay",
         "Text_lev_z6", "Check_zero6", "Text_lev_12v", "Check_zero8", "Text_len_beep", "Text_balance",
         propertyColumn("obxod_zones_col"), "Text_lev_low_batt"});
    add({"Combo_del_alarm", "Check_beep_auto_off", "Combo_del_oxrana", "Combo_mic", "Check_oxrana_gprs", "SMS_q_Tgsm",
         "SMS_q_Tds"});
    add({propertyColumn("silent_zones_col"), gridRow("MSFlexGrid_temperature", 1),
         gridRow("MSFlexGrid_temperature", 2), "Combo_short_beep"});
    for (int i = 0; i <= 10; ++i)
        o.push_back("Text_z(" + n(i) + ")");
    for (int col = 0; col <= 3; ++col)
        o.push_back(gridCol("MSFlexGrid_owner_call", col));
    for (int row = 1; row <= 8; ++row)
        o.push_back(gridRow("MSFlexGrid_call_to_owner", row));
    for (int row = 1; row <= 8; ++row)
        o.push_back(gridRow("MSFlexGrid_sms_to_owner", row));
    for (int row = 1; row <= 2; ++row)
        o.push_back(gridRow("MSFlexGrid_input_oxr", row));
    add({"Combo_out1", "Combo_out2", "Combo_out3", "Check_state_out3", "Check_state_out2", "Check_state_out1",
         "Text_pusle_out1", "Text_pusle_out2", "Text_pusle_out3"});
    for (int row = 1; row <= 3; ++row)
        o.push_back(gridRow("MSFlexGrid_inputs_to_out", row));
    for (const char* grid : {"MSFlexGrid_dtmf_oxr", "MSFlexGrid_sms_oxr"})
        for (int row = 1; row <= 2; ++row)
            o.push_back(gridRow(grid, row));
    o.push_back("Form1.MSFlexGrid_sms_command");
    add({"Text_Tmin", "Text_Tmax", "Text_Tfiltr", "Text_DS_Tmin", "Text_DS_Tmax", "Text_DS_Tfiltr", "Text_Tds"});
    add({"Check_gprs", "Check_gprs_balance", "Check_gprs_clock", "Text_power_save", "Form1.MSFlexGrid_active_unch",
         "Combo_auto_oxrana_on"});
    add({"Text_topic", "Text_email", "Text_apn_sim1", "Text_ip", "Text_port", "phone(9)"});
    for (int input = 1; input <= 8; ++input)
        o.push_back("Text_short" + n(input));
    return o;
}

}  // namespace

const std::vector<Field>& imageMap()
{
    static const std::vector<Field> map = buildMap();
    return map;
}

const Field& fieldOf(std::string_view target)
{
    static const std::unordered_map<std::string_view, const Field*> byTarget = [] {
        std::unordered_map<std::string_view, const Field*> index;
        for (const Field& f : imageMap())
            index.emplace(f.target, &f);
        return index;
    }();
    auto it = byTarget.find(target);
    if (it == byTarget.end())
        throw std::out_of_range("the image holds no field " + std::string(target));
    return *it->second;
}

const std::vector<std::string>& decodeOrder()
{
    static const std::vector<std::string> order = buildOrder();
    return order;
}

}  // namespace image
