#include <string>

#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {
namespace {

constexpr int OwnerTop = 1620;  // row of owner 1
constexpr int OwnerStep = 360;

// Left column: periodic SMS, balance, USSD, temperatures, general switches
// and the device's identity.
void addServiceColumn(std::vector<ui::ControlSpec>& out, int t)
{
    out.push_back(text("Text_status_timeout", t, {120, 420, 495, 315}, "0"));
    out.push_back(label("Label40", t, {690, 450, 3400, 255}, "*10 минут, периодическая SMS"));
    out.push_back(text("Text_balance", t, {120, 960, 495, 315}, "0"));
    out.push_back(wrapped(label("Label57", t, {690, 930, 2300, 420}, "порог Баланса SIM-карты                 (0-выкл)")));
    // Taller than the other fields; a larger font would not leave "*111#" room in it.
    out.push_back(text("Text_charge2", t, {120, 1380, 615, 360}, "*111#"));
    out.push_back(label("Label21", t, {810, 1440, 3400, 255}, "USSD запрос для Баланса SIM-карты"));

    out.push_back(label("Label61", t, {120, 2010, 3900, 255}, "Температура     Tmin,   Tmax, фильтр*5c"));
    out.push_back(label("Label_temp_inside", t, {120, 2310, 1400, 255}, "внутри прибора"));
    out.push_back(label("Label_temp_outside", t, {120, 2670, 1400, 255}, "внешний DS1821"));
    const int fieldX[] = {1560, 2040, 2760};
    const char* inside[] = {"Text_Tmin", "Text_Tmax", "Text_Tfiltr"};
    const char* outside[] = {"Text_DS_Tmin", "Text_DS_Tmax", "Text_DS_Tfiltr"};
    const char* insideStart[] = {"-30", "+80", "10"};
    const char* outsideStart[] = {"+5", "+50", "10"};
    for (int i = 0; i < 3; ++i) {
        out.push_back(text(inside[i], t, {fieldX[i], 2280, 435, 315}, insideStart[i]));
        out.push_back(text(outside[i], t, {fieldX[i], 2640, 435, 315}, outsideStart[i]));
    }
    // The thermostat set point is usable only while an output is a thermostat on it.
    out.push_back(disabled(text("Text_Tds", t, {3480, 2640, 435, 315}, "22")));
    out.push_back(grid("MSFlexGrid_temperature", t, {120, 3000, 4095, 855}, 3, 10, 1, 1));

    out.push_back(check("Check_clock_off", t, {120, 4080, 3400, 255}, "ОТКЛ показания часов в sms"));
    out.push_back(check("Check_start_sms", t, {120, 4440, 3400, 240}, "ВКЛ sms при старте прибора"));
    out.push_back(check("Check_bez_call", t, {120, 4680, 2700, 450}, "ОТКЛ звонки на Хозяина о выполнении sms-команды"));
    out.push_back(check("Check_beep_bez_gsm", t, {120, 5160, 4400, 255}, "ВКЛ сигналы Сирены при отсутствии GSM-сети"));

    out.push_back(wrapped(label("Label_version_caption", t, {120, 5640, 1560, 420}, "версия ПО: Серийный номер : ")));
    out.push_back(label("Label_version", t, {1740, 5640, 1500, 180}, ""));
    out.push_back(label("Label_ID", t, {1740, 5815, 1500, 180}, ""));
}

// Middle and right: one row per owner, the e-mail service and the
// notification cycle switches.
void addOwnerTable(std::vector<ui::ControlSpec>& out, int t)
{
    ui::ControlSpec heading = label("Label_alarm_heading", t, {7800, 720, 4000, 255}, "Настройки оповещения при тревоге");
    heading.bold = true;
    out.push_back(heading);

    ui::ControlSpec smsHead = wrapped(label("Label18", t, {4680, 1140, 1140, 420}, "управление           SMS"));
    smsHead.alignment = 1;
    out.push_back(smsHead);
    out.push_back(wrapped(label("Label6", t, {5880, 1020, 1740, 570}, "номер телефона,      например +380671234567")));
    out.push_back(label("Label42", t, {7620, 1260, 1740, 255}, "Звонок SMS   тип SMS"));
    out.push_back(label("Label52", t, {9360, 1020, 2145, 255}, "входы для оповещения"));

    out.push_back(hidden(grid("MSFlexGrid_active_unch", t, {4200, 1560, 300, 2895}, 8, 1, 0, 0)));
    out.push_back(grid("MSFlexGrid_sms_command", t, {5520, OwnerTop, 300, 2895}, 8, 1, 0, 0));
    out.push_back(grid("MSFlexGrid_z_o", t, {9360, 1260, 2145, 3270}, 9, 8, 1, 0));
    for (int owner = 1; owner <= 8; ++owner) {
        const int y = OwnerTop + (owner - 1) * OwnerStep;
        const std::string n = std::to_string(owner);
        out.push_back(label(ui::indexed("Label_owner", owner), t, {4680, y + 60, 840, 255}, "Хозяин-" + n));
        out.push_back(text(ui::indexed("phone", owner), t, {5880, y, 1692, 360}));
        out.push_back(check("Check_ring" + n, t, {7680, y, 255, 360}));
        out.push_back(check("Check_sms" + n, t, {8040, y, 255, 360}));
        out.push_back(list("Combo_sms" + n, t, {8400, y, 975, 315}));
    }

    ui::ControlSpec pinLabel = label("Label_pin", t, {2820, 4830, 2640, 255}, "Код для SMS-команд управления");
    pinLabel.alignment = 1;
    out.push_back(pinLabel);
    out.push_back(text("Text_pin", t, {5520, 4800, 330, 315}, "5j"));
    out.push_back(label("Label60", t, {5880, 4560, 6200, 240},
                        "номер e-mail сервиса           E-MAIL                  ТЕМА"));
    out.push_back(text("phone(9)", t, {5880, 4800, 1692, 315}));
    out.push_back(text("Text_email", t, {7680, 4800, 1980, 315}));
    out.push_back(text("Text_topic", t, {9720, 4800, 2280, 315}));

    out.push_back(check("Check_full_circle", t, {5640, 5280, 4000, 240}, "всегда полный цикл оповещения"));
    out.push_back(check("Check_tone_on", t, {5640, 5520, 4000, 240}, "тревожные тональные сигналы"));
    out.push_back(check("Check_busy_on", t, {5640, 5760, 4000, 240}, "реагируем на \"отбой\" (\"занято\")"));
    out.push_back(text("Text_power_save", t, {5640, 6000, 495, 315}, "0"));
    out.push_back(wrapped(label("Label_power_save", t, {6195, 6030, 5900, 420},
                                "часов, период выхода из состояния \"Невидимый\" (GSM-модуль выключен)")));
}

}  // namespace

void addModesTab(std::vector<ui::ControlSpec>& out)
{
    addServiceColumn(out, TabModes);
    addOwnerTable(out, TabModes);
}

}  // namespace editor::layout
