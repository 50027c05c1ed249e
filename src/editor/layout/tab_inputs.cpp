#include <string>

#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {
namespace {

constexpr int InputTop = 1260;  // row of input 1
constexpr int OutputTop = 5160;  // row of output 1
constexpr int RowStep = 360;
constexpr int PropertiesLeft = 3360;
constexpr int PropertyWidth = 360;
constexpr int HeadingPoints = 6;  // the column headings use a small font to fit their columns

struct Heading {
    const char* name;
    const char* caption;
};

// Headings of the input properties grid, column 0 to 13.
constexpr Heading PropertyHeadings[] = {
    {"Label11", "   Вкл"},    {"Label12", " Зв кор"},    {"Label13", " Зв длин"},  {"Label14", "SMS"},
    {"Label16", " без   охр"}, {"Label17", "  в охр"},    {"Label25", "Задер   жка"}, {"Label26", " По изм"},
    {"Label30", " три   бип"}, {"Label32", "длин  бип"}, {"Label31", "вход  охр"}, {"Label34", " мон  охр"},
    {"Label4", "   1 трев"},  {"Label36", "Тихо"},
};
constexpr int DelayColumn = 6;

// Start texts of the input and output names (inputs 1 to 8, outputs 1 to 3).
constexpr const char* Names[] = {"Dver", "Okno", "Zon3", "Zon4", "xxxx", "xxxx", "xxxx", "ExtP", "Out1", "Out2", "Out3"};
constexpr const char* ShortTexts[] = {"DVERI", "OKNO", "ZONA3", "ZONA4", "x", "x", "x", "EXT.POWER "};

bool unusedInput(int input) { return input >= 5 && input <= 7; }

void addDelays(std::vector<ui::ControlSpec>& out, int t)
{
    // The delay heading stands higher than the others, beside the delay fields.
    ui::ControlSpec delay = wrapped(label(PropertyHeadings[DelayColumn].name, t, {5400, 360, 480, 420},
                                          PropertyHeadings[DelayColumn].caption));
    delay.fontPoints = HeadingPoints;
    delay.alignment = 2;
    out.push_back(delay);
    out.push_back(disabled(text("Text_Len_alarm_delay", t, {6000, 360, 435, 315}, "30")));
    out.push_back(disabled(list("Combo_del_alarm", t, {6480, 360, 2400, 315})));
    out.push_back(disabled(text("Text_Len_Oxrana_delay", t, {9000, 360, 435, 315}, "30")));
    out.push_back(disabled(list("Combo_del_oxrana", t, {9480, 360, 2400, 315})));
}

void addInputs(std::vector<ui::ControlSpec>& out, int t)
{
    out.push_back(label("Label33", t, {360, 960, 720, 255}, "Название"));
    out.push_back(wrapped(label("Label24", t, {1080, 750, 1530, 480}, "Тревога (охрана), в случае")));
    out.push_back(wrapped(label("Label27", t, {2640, 780, 720, 420}, "Фильтр, *10 мс")));
    for (int col = 0; col < 14; ++col) {
        if (col == DelayColumn)
            continue;
        ui::ControlSpec h = wrapped(label(PropertyHeadings[col].name, t,
                                          {PropertiesLeft + col * PropertyWidth, 780, PropertyWidth, 450},
                                          PropertyHeadings[col].caption));
        h.fontPoints = HeadingPoints;
        out.push_back(h);
    }
    out.push_back(label("Label3", t, {8520, 960, 3615, 255}, "Текст для коротких СМС при тревоге"));

    out.push_back(grid("MSFlexGrid_zone_number", t, {120, InputTop, 225, 2880}, 8, 1, 0, 1));
    // Row 0 of the properties grid is one unit high, so row 1 lines up with input 1.
    out.push_back(grid("MSFlexGrid_inputs_properties", t, {PropertiesLeft, InputTop - 15, 5175, 3015}, 9, 14, 1, 0));
    for (int input = 1; input <= 8; ++input) {
        const int y = InputTop + (input - 1) * RowStep;
        const std::string n = std::to_string(input);
        ui::ControlSpec name = text(ui::indexed("Text_z", input - 1), t, {360, y, 615, 315}, Names[input - 1]);
        ui::ControlSpec type = list("Check_zero" + n, t, {1080, y, 1300, 315});
        type.fontPoints = 7;  // "подать минус" and "ниже +13.0V" fit beside the list's arrow
        ui::ControlSpec filter = text("Text_f_" + n, t, {2880, y, 435, 315}, "20");
        ui::ControlSpec shortText = text("Text_short" + n, t, {8520, y, 3615, 315}, ShortTexts[input - 1]);
        if (unusedInput(input)) {
            // Inputs 5 to 7 exist in the device but the editor keeps them unavailable.
            name = disabled(name);
            shortText = disabled(shortText);
            type = hidden(type);
            filter = hidden(filter);
        }
        out.push_back(name);
        out.push_back(type);
        if (input == 6)
            out.push_back(hidden(text("Text_lev_z6", t, {2400, y, 435, 315}, "30")));
        if (input == 8)
            out.push_back(text("Text_lev_12v", t, {2400, y, 435, 315}, "130"));
        out.push_back(filter);
        out.push_back(shortText);
    }

    out.push_back(label("Label_low_batt", t, {1200, 4080, 1150, 255}, "ниже +10.6V"));
    out.push_back(text("Text_lev_low_batt", t, {2400, 4080, 435, 315}, "106"));
    out.push_back(label("Label_battery_low_sms", t, {9720, 4080, 1500, 255}, "BATTERY LOW"));
}

void addSiren(std::vector<ui::ControlSpec>& out, int t)
{
    out.push_back(list("Combo_short_beep", t, {6000, 4320, 690, 315}));
    out.back().fontPoints = 7;
    out.push_back(text("Text_len_beep", t, {6720, 4320, 435, 315}, "60"));
    // Its background carries a device flag, so it has one of its own.
    ui::ControlSpec siren = label("Label8", t, {7200, 4320, 2100, 255}, "с, время звучания Сирены");
    siren.transparent = false;
    out.push_back(siren);
    out.push_back(check("Check_beep_auto_off", t, {9360, 4320, 2700, 240}, "автоотключение сирены"));
}

void addOutputs(std::vector<ui::ControlSpec>& out, int t)
{
    out.push_back(bold(label("Label23", t, {3000, 4860, 1200, 255}, "ВЫХОДЫ")));
    out.push_back(label("Label35", t, {4320, 4860, 1300, 255}, "номер входа -->"));
    out.push_back(grid("MSFlexGrid_inputs_to_out", t, {5640, 4740, 2925, 1485}, 4, 8, 1, 0));
    out.push_back(wrapped(label("Label44", t, {8760, 4560, 1500, 420}, "длина импульса в секундах")));
    // Between the heading line and the first output row, over the inversion
    // boxes: small enough to leave the first row free.
    ui::ControlSpec inversion = label("Label59", t, {10320, 5040, 1700, 150}, "Инверсия сигнала");
    inversion.fontPoints = HeadingPoints;
    out.push_back(inversion);

    out.push_back(grid("MSFlexGrid_out_number", t, {120, 5100, 225, 1095}, 3, 1, 0, 1));
    for (int output = 1; output <= 3; ++output) {
        const int y = OutputTop + (output - 1) * RowStep;
        const std::string n = std::to_string(output);
        out.push_back(text(ui::indexed("Text_z", 7 + output), t, {360, y, 615, 315}, Names[7 + output]));
        out.push_back(list("Combo_out" + n, t, {1080, y, 4575, 315}));
        out.push_back(disabled(text("Text_pusle_out" + n, t, {8760, y, 435, 315}, "5")));
        out.push_back(check("Check_state_out" + n, t, {9240, y, 1530, 315}, "подать \"минус\""));
        out.push_back(check("Check_invert_out" + n, t, {10800, y, 255, 315}));
    }
}

}  // namespace

void addInputsTab(std::vector<ui::ControlSpec>& out)
{
    addDelays(out, TabInputs);
    addInputs(out, TabInputs);
    addSiren(out, TabInputs);
    addOutputs(out, TabInputs);
}

}  // namespace editor::layout
