#include "editor/catalogue.h"

#include <array>
#include <unordered_map>

#include "ui/control_spec.h"

namespace editor {
namespace {

const char* const kPropertyColumns[14] = {
    "monitor_total_col",  "short_call_col", "long_call_col",         "sms_zones_col",   "monitor_ne_oxr_col",
    "monitor_v_oxr_col",  "time_out_col",   "change_col",            "short_beep_col",  "long_beep_col",
    "input_oxr_col",      "monitor_input_oxr_col", "obxod_zones_col", "silent_zones_col",
};

Setting make(std::string key, ValueKind kind, std::string control)
{
    Setting s;
    s.key = std::move(key);
    s.kind = kind;
    s.control = std::move(control);
    return s;
}

// Builds the table line by line; the file line follows the order of adding.
class Builder {
public:
    explicit Builder(std::vector<Setting>& out) : out_(out) {}

    void text(const std::string& control, std::string value)
    {
        add(make("Form1." + control + ".Text", ValueKind::Text, control), std::move(value));
    }
    void check(const std::string& control, int value)
    {
        add(make("Form1." + control + ".Value", ValueKind::CheckState, control), std::to_string(value));
    }
    void listIndex(const std::string& control, int value)
    {
        add(make("Form1." + control + ".ListIndex", ValueKind::ListIndex, control), std::to_string(value));
    }
    void enabled(const std::string& control, int value)
    {
        add(make("Form1." + control + ".Enabled", ValueKind::EnabledFlag, control), std::to_string(value));
    }
    // One grid row; bit k is column firstCol + k.
    void maskRow(const std::string& grid, int row, int firstCol, int value)
    {
        Setting s = make("Form1." + grid + ".Row = " + std::to_string(row), ValueKind::MarkMask, grid);
        s.isRow = true;
        s.line = row;
        s.firstCell = firstCol;
        add(std::move(s), std::to_string(value));
    }
    // One grid column; bit k is row firstRow + k. The key names the column
    // by number unless a name is given.
    void maskColumn(const std::string& grid, int col, int firstRow, int value, const std::string& colName = {})
    {
        std::string key = "Form1." + grid + ".Col = " + (colName.empty() ? std::to_string(col) : colName);
        Setting s = make(std::move(key), ValueKind::MarkMask, grid);
        s.line = col;
        s.firstCell = firstRow;
        add(std::move(s), std::to_string(value));
    }
    // A one-column grid; bit k is row k.
    void maskGrid(const std::string& grid, int value)
    {
        Setting s = make("Form1." + grid, ValueKind::MarkMask, grid);
        add(std::move(s), std::to_string(value));
    }
    void cell(const std::string& key, const std::string& grid, int row, int col, std::string value)
    {
        Setting s = make(key, ValueKind::CellText, grid);
        s.row = row;
        s.col = col;
        add(std::move(s), std::move(value));
    }
    void colour(const std::string& control, std::int32_t value)
    {
        add(make("Form1." + control + ".BackColor", ValueKind::Colour, control), std::to_string(value));
    }

    // Settings added from here on have no line in the configuration file.
    void endOfFile() { inFile_ = false; }

private:
    void add(Setting s, std::string value)
    {
        s.defaultValue = std::move(value);
        s.fileLine = inFile_ ? ++line_ : 0;
        out_.push_back(std::move(s));
    }

    std::vector<Setting>& out_;
    int line_ = 0;
    bool inFile_ = true;
};

std::string n(const std::string& stem, int i) { return stem + std::to_string(i); }

std::vector<Setting> build()
{
    std::vector<Setting> all;
    Builder b(all);

    b.text("Text_DS_Tmin", "+5");
    b.text("Text_DS_Tmax", "+50");
    b.text("Text_DS_Tfiltr", "10");
    b.text("Text_Tmin", "-30");
    b.text("Text_Tmax", "+80");
    b.text("Text_Tfiltr", "10");
    b.text("Text_email", "");
    b.text("Text_topic", "");
    b.text(ui::indexed("phone", 9), "");
    b.text("Text_balance", "0");
    const std::array<const char*, 8> shortTexts = {"DVERI", "OKNO", "ZONA3", "ZONA4", "x", "x", "x", "EXT.POWER "};
    for (int i = 1; i <= 8; ++i)
        b.text(n("Text_short", i), shortTexts[i - 1]);

    const std::array<int, 14> propertyMasks = {15, 128, 11, 139, 4, 143, 0, 132, 0, 11, 4, 0, 0, 0};
    for (int c = 0; c < 14; ++c)
        b.maskColumn("MSFlexGrid_inputs_properties", c, 1, propertyMasks[c], kPropertyColumns[c]);

    b.enabled("MSFlexGrid_input_oxr", 1);
    b.maskRow("MSFlexGrid_input_oxr", 1, 1, 1);
    b.maskRow("MSFlexGrid_input_oxr", 2, 1, 0);
    for (int r = 1; r <= 3; ++r)
        b.maskRow("MSFlexGrid_inputs_to_out", r, 0, 0);

    const std::array<const char*, 11> names = {"Dver", "Okno", "Zon3", "Zon4", "xxxx", "xxxx",
                                               "xxxx", "ExtP", "Out1", "Out2", "Out3"};
    for (int i = 0; i <= 10; ++i)
        b.text(ui::indexed("Text_z", i), names[i]);

    const std::array<int, 8> inputTypes = {0, 0, 1, 0, 0, 1, 0, 1};
    for (int i = 1; i <= 8; ++i)
        b.listIndex(n("Check_zero", i), inputTypes[i - 1]);
    for (int i = 1; i <= 8; ++i)
        b.text(n("Text_f_", i), i == 8 ? "255" : "20");
    b.text("Text_lev_z6", "30");
    b.text("Text_lev_12v", "130");

    const std::array<int, 3> modes = {1, 0, 5};
    for (int i = 1; i <= 3; ++i)
        b.listIndex(n("Combo_out", i), modes[i - 1]);
    for (int i = 1; i <= 3; ++i)
        b.text(n("Text_pusle_out", i), "5");
    for (int i = 1; i <= 3; ++i)
        b.enabled(n("Text_pusle_out", i), 0);
    for (int i = 1; i <= 3; ++i)
        b.check(n("Check_state_out", i), 0);
    for (int i = 1; i <= 3; ++i)
        b.enabled(n("Check_state_out", i), i == 1 ? 1 : 0);

    b.text("Text_Len_Oxrana_delay", "30");
    b.enabled("Text_Len_Oxrana_delay", 0);
    b.text("Text_Len_alarm_delay", "30");
    b.enabled("Text_Len_alarm_delay", 0);

    for (int c = 0; c <= 3; ++c)
        b.maskColumn("MSFlexGrid_owner_call", c, 1, c == 0 ? 255 : 0);
    for (int i = 0; i <= 8; ++i)
        b.text(ui::indexed("phone", i), "");
    for (int r = 1; r <= 8; ++r)
        b.maskRow("MSFlexGrid_z_o", r, 0, 143);
    b.maskGrid("MSFlexGrid_sms_command", 0);
    b.maskGrid("MSFlexGrid_active_unch", 255);

    for (int i = 1; i <= 8; ++i)
        b.listIndex(n("Combo_sms", i), 1);
    for (int i = 1; i <= 8; ++i)
        b.check(n("Check_sms", i), 0);
    for (int i = 1; i <= 8; ++i)
        b.check(n("Check_ring", i), 1);

    b.text("Text_charge1", "433");
    b.text("Text_charge2", "*111#");
    b.text("Text_pin", "5j");
    b.check("Check_full_circle", 1);
    b.check("Check_tone_on", 1);
    b.check("Check_csd_in", 0);
    b.text("Text_status_timeout", "0");
    for (const char* grid : {"MSFlexGrid_dtmf_oxr", "MSFlexGrid_sms_oxr"})
        for (int r = 1; r <= 2; ++r)
            b.maskRow(grid, r, 1, 0);

    b.listIndex("Combo_oxr_on_long", 0);
    b.listIndex("Combo_oxr_of_long", 1);
    b.check("Check_oxr_on_call", 1);
    b.check("Check_oxr_of_call", 0);
    b.check("Check_oxr_on_sms", 1);
    b.check("Check_oxr_of_sms", 1);
    b.check("Check_only_al_beep", 0);
    for (int r = 1; r <= 8; ++r)
        b.maskRow("MSFlexGrid_call_to_owner", r, 0, 1 << (r - 1));
    for (int r = 1; r <= 8; ++r)
        b.maskRow("MSFlexGrid_sms_to_owner", r, 0, 0);

    b.text("Text_gprs_period", "0");
    b.check("Check_gprs", 0);
    b.text("Text_apn_sim1", kDefaultAccessPoint);
    b.text("Text_ip", kDefaultServerAddress);
    b.text("Text_port", "80");
    b.text("Text_len_beep", "60");
    for (int i = 1; i <= 3; ++i)
        b.check(n("Check_invert_out", i), 0);
    b.text("Text_lev_low_batt", "110");
    b.check("Check_start_sms", 0);
    b.check("Check_bez_call", 0);
    b.check("Check_beep_bez_gsm", 0);
    b.check("Check_alarm_gprs", 1);
    b.listIndex("Combo_mic", 1);
    b.check("Check_oxrana_gprs", 1);
    b.check("Check_busy_on", 0);
    b.maskRow("MSFlexGrid_temperature", 1, 1, 1);
    b.maskRow("MSFlexGrid_temperature", 2, 1, 1);
    b.cell("SMS_q_Tgsm", "MSFlexGrid_temperature", 1, 9, "v");
    b.cell("SMS_q_Tds", "MSFlexGrid_temperature", 2, 9, "v");
    b.listIndex("Combo_short_beep", 0);
    b.colour("Label8", ui::color::ButtonFace);
    b.check("Check_beep_auto_off", 0);
    b.listIndex("Combo_del_alarm", 0);
    b.listIndex("Combo_del_oxrana", 0);
    b.check("Check_clock_off", 0);
    b.check("Check_gprs_balance", 1);
    b.check("Check_gprs_clock", 1);
    b.text("Text_power_save", "0");
    b.listIndex("Combo_auto_oxrana_on", 0);

    b.endOfFile();
    b.text("Text_Tds", "22");
    return all;
}

}  // namespace

const std::vector<Setting>& catalogue()
{
    static const std::vector<Setting> all = build();
    return all;
}

const Setting* findSetting(std::string_view key)
{
    static const std::unordered_map<std::string_view, const Setting*> byKey = [] {
        std::unordered_map<std::string_view, const Setting*> m;
        for (const Setting& s : catalogue())
            m.emplace(s.key, &s);
        return m;
    }();
    auto it = byKey.find(key);
    return it == byKey.end() ? nullptr : it->second;
}

std::pair<int, int> maskCell(const Setting& s, int bit)
{
    if (s.isRow)
        return {s.line, s.firstCell + bit};
    return {s.firstCell + bit, s.line};
}

int readMask(const MainWindow& w, const Setting& s)
{
    const ui::Grid& grid = w.grid(s.control);
    int mask = 0;
    for (int bit = 0; bit < 8; ++bit) {
        auto [row, col] = maskCell(s, bit);
        if (grid.marked(row, col))
            mask |= 1 << bit;
    }
    return mask;
}

void writeMask(MainWindow& w, const Setting& s, int mask)
{
    ui::Grid& grid = w.grid(s.control);
    for (int bit = 7; bit >= 0; --bit) {
        auto [row, col] = maskCell(s, bit);
        grid.setMarked(row, col, (mask >> bit) & 1);
    }
}

std::string readValue(const MainWindow& w, const Setting& s)
{
    switch (s.kind) {
    case ValueKind::Text: return w.text(s.control).text();
    case ValueKind::CheckState: return std::to_string(w.check(s.control).value());
    case ValueKind::ListIndex: return std::to_string(w.list(s.control).listIndex());
    case ValueKind::EnabledFlag: {
        const ui::Control* c = w.form1.find(s.control);
        if (!c)
            throw std::out_of_range("no control " + s.control);
        return c->enabled() ? "1" : "0";
    }
    case ValueKind::MarkMask: return std::to_string(readMask(w, s));
    case ValueKind::CellText: return w.grid(s.control).cell(s.row, s.col);
    case ValueKind::Colour: return std::to_string(w.label(s.control).backColor());
    }
    return {};
}

}  // namespace editor
