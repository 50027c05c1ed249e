#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {
namespace {

constexpr int Left = 2520;

struct Source {
    const char* name;
    const char* drawing;
};

// What the wiring diagram's slots copy from: nothing connected, a contact
// to ground that triggers on opening or on closing, an LED with its
// resistor to plus, a relay coil to plus.
constexpr Source Sources[] = {
    {"Picture_empty", "empty"},         {"Picture1_obr_gnd", "contact_open"}, {"Picture1_poyav_gnd", "contact_close"},
    {"Picture_diod_plus", "led_plus"},  {"Picture_rele_plus", "relay_plus"},
};

}  // namespace

void addGprsTab(std::vector<ui::ControlSpec>& out)
{
    const int t = TabGprs;
    // Everything that configures the reporting follows the main switch,
    // which starts clear.
    out.push_back(check("Check_gprs", t, {Left, 600, 4800, 255}, "ВКЛ. передачу на веб-сервер через GPRS"));
    out.push_back(disabled(text("Text_gprs_period", t, {Left, 960, 495, 315}, "0")));
    out.push_back(disabled(wrapped(label("Label_gprs_period", t, {3120, 930, 8900, 420},
        "интервал периодической передачи данных на веб-сервер, от 0 до 255, 0-выключено, цена единицы - около 1 минуты"))));
    out.push_back(disabled(check("Check_gprs_clock", t, {Left, 1320, 6000, 240},
                                 "ВКЛ синхронизацию внутренних часов с часами веб-сервера")));
    out.push_back(disabled(check("Check_gprs_balance", t, {Left, 1560, 6000, 240},
                                 "ВКЛ передачу на веб-сервер состояние Баланса SIM-карты")));
    out.push_back(disabled(check("Check_alarm_gprs", t, {Left, 1800, 6000, 240},
                                 "ВКЛ передачу на веб-сервер данных при тревоге")));
    out.push_back(disabled(check("Check_oxrana_gprs", t, {Left, 2040, 6000, 240},
                                 "ВКЛ передачу на веб-сервер данных при постановке/снятии охраны")));

    out.push_back(grid("MSFlexGrid_gprs_label", t, {120, 2400, 2295, 1695}, 5, 1, 0, 0));
    out.push_back(disabled(text("Text_apn_sim1", t, {Left, 2400, 3000, 315})));
    out.push_back(disabled(text("Text_ip", t, {Left, 2760, 3000, 315})));
    out.push_back(disabled(text("Text_port", t, {Left, 3120, 1000, 315}, "80")));
    // Filled from the device; nothing reads them back.
    out.push_back(text("Label_ID_vyr_", t, {Left, 3480, 2000, 315}));
    out.push_back(text("Label_password_", t, {Left, 3840, 3000, 315}));

    out.push_back(label("Label_web", t, {360, 4320, 7800, 255},
                        "Вход на Web-server (для добавления прибора необходимо его серийный номер и пароль)"));

    for (int i = 0; i < 5; ++i)
        out.push_back(hidden(picture(Sources[i].name, t, {9480, 2400 + 600 * i, 2415, 495}, Sources[i].drawing)));
}

}  // namespace editor::layout
