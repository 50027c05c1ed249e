#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "editor/catalogue.h"
#include "editor/layout/form1_layout.h"
#include "editor/main_window.h"
#include "editor/procedures.h"
#include "support/bare_window.h"
#include "support/grid_shapes.h"

namespace {

using editor::layout::form1Spec;

// The main window with its output mode lists filled, as tips_on finds it at start.
struct Window : support::BareWindow {
    Window()
    {
        editor::wireOutputModes(w);
        editor::fill_output_modes(w);
    }
};

const ui::ControlSpec* specOf(const ui::WindowSpec& spec, const std::string& name)
{
    for (const auto& c : spec.controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

TEST(WindowLayout, HoldsTheControlOfEverySetting)
{
    const ui::WindowSpec spec = form1Spec();
    for (const editor::Setting& s : editor::catalogue())
        EXPECT_NE(specOf(spec, s.control), nullptr) << s.key << " names " << s.control;
}

TEST(WindowLayout, HoldsTheListsFilledAtStartAndTheDiagram)
{
    const ui::WindowSpec spec = form1Spec();
    struct Expected {
        std::string name;
        ui::Kind kind;
    };
    std::vector<Expected> expected = {
        {"Combo_vyr_type", ui::Kind::List},       {"Combo_auto_oxrana_on", ui::Kind::List},
        {"Combo_del_alarm", ui::Kind::List},      {"Combo_del_oxrana", ui::Kind::List},
        {"Combo_short_beep", ui::Kind::List},     {"Combo_mic", ui::Kind::List},
        {"Combo_oxr_on_long", ui::Kind::List},    {"Combo_oxr_of_long", ui::Kind::List},
        {"MSFlexGrid_pins", ui::Kind::Grid},      {"MSFlexGrid_custom_out", ui::Kind::Grid},
        {"MSFlexGrid_gprs_label", ui::Kind::Grid}, {"MSFlexGrid_owners", ui::Kind::Grid},
        {"Label_ID_vyr_", ui::Kind::TextField},   {"Label_password_", ui::Kind::TextField},
        {"Label_web", ui::Kind::Label},           {"Label_low_batt", ui::Kind::Label},
        {"Label_version", ui::Kind::Label},       {"Label_ID", ui::Kind::Label},
    };
    for (int n = 1; n <= 8; ++n) {
        expected.push_back({"Check_zero" + std::to_string(n), ui::Kind::List});
        expected.push_back({"Combo_sms" + std::to_string(n), ui::Kind::List});
    }
    for (int n = 1; n <= 3; ++n)
        expected.push_back({"Combo_out" + std::to_string(n), ui::Kind::List});
    for (const char* p : {"Picture_12v", "Picture_gnd1", "Picture_z1", "Picture_z2", "Picture_z3", "Picture_z4",
                          "Picture_gnd2", "Picture_out1", "Picture_out2", "Picture_out3", "Picture_empty",
                          "Picture1_obr_gnd", "Picture1_poyav_gnd", "Picture_diod_plus", "Picture_rele_plus",
                          "Picture_vyr_q", "Picture_vyr_qn", "Picture_vyr_qn_termo", "Picture_dallas"})
        expected.push_back({p, ui::Kind::Picture});
    for (const Expected& e : expected) {
        const ui::ControlSpec* c = specOf(spec, e.name);
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->kind, e.kind) << e.name;
    }
}

TEST(WindowLayout, GridsHaveTheirDesignedShape)
{
    const ui::WindowSpec spec = form1Spec();
    for (const support::GridShape& s : support::designedGridShapes()) {
        const ui::ControlSpec* c = specOf(spec, s.grid);
        ASSERT_NE(c, nullptr) << s.grid;
        EXPECT_EQ(c->rows, s.rows) << s.grid;
        EXPECT_EQ(c->cols, s.cols) << s.grid;
        EXPECT_EQ(c->fixedRows, s.fixedRows) << s.grid;
        EXPECT_EQ(c->fixedCols, s.fixedCols) << s.grid;
    }
}

TEST(WindowLayout, StartStates)
{
    Window f;
    const ui::Window& w = f.w.form1;
    for (const char* name : {"Text_Len_alarm_delay", "Combo_del_alarm", "Text_Len_Oxrana_delay", "Combo_del_oxrana",
                             "Text_z(4)", "Text_z(5)", "Text_z(6)", "Text_short5", "Text_short6", "Text_short7",
                             "Combo_oxr_on_long", "Combo_oxr_of_long", "Text_gprs_period", "Check_alarm_gprs",
                             "Check_gprs_balance", "Check_gprs_clock", "Text_apn_sim1", "Text_port", "Text_ip",
                             "Check_oxrana_gprs"})
        EXPECT_FALSE(w.find(name)->enabled()) << name;
    for (const char* name : {"Check_zero5", "Check_zero6", "Check_zero7", "Text_f_5", "Text_f_6", "Text_f_7",
                             "Text_lev_z6", "Picture_empty", "Picture_vyr_qn", "Picture_vyr_qn_termo"})
        EXPECT_FALSE(w.find(name)->visible()) << name;
    // The GPRS switch, the serial number and the password stay usable.
    for (const char* name : {"Check_gprs", "Label_ID_vyr_", "Label_password_", "MSFlexGrid_gprs_label"})
        EXPECT_TRUE(w.find(name)->enabled()) << name;
    EXPECT_EQ(w.list("Combo_vyr_type").text(), "плата тип q");
    EXPECT_EQ(w.check("Check_busy_on").spec().caption, "реагируем на \"отбой\" (\"занято\")");
}

// Where the window design puts its controls: left and top always, width
// and height where the design fixes them (0 leaves the size free).
TEST(WindowLayout, ControlsStandWhereTheDesignPutsThem)
{
    struct Place {
        std::string name;
        ui::Rect place;
    };
    std::vector<Place> places = {
        // Top strip.
        {"Image1", {120, 120, 2290, 1390}},
        {"cmbPort", {2400, 600, 1335, 315}},
        {"Cmd(0)", {3840, 600, 1335, 495}},
        {"Text_file_name", {2400, 1200, 2895, 285}},
        {"Label_link", {4080, 0, 855, 375}},
        {"Command_send", {5280, 0, 1215, 495}},
        {"Label_ok", {6600, 0, 375, 495}},
        {"Command_receiv", {7080, 0, 1215, 492}},
        {"Command_set_time", {8400, 0, 2175, 615}},
        {"Cmd(1)", {10680, 0, 1155, 615}},
        {"Command_flat", {5280, 600, 3015, 495}},
        {"Label_clock", {8400, 720, 2535, 975}},
        {"Command_open_file", {5280, 1200, 1455, 375}},
        {"Command_save_file", {6840, 1200, 1455, 375}},
        {"SSTab1", {0, 1680, 12255, 6975}},
        // "РЕЖИМ, ТЕЛЕФОНЫ".
        {"Text_status_timeout", {120, 420, 0, 0}},
        {"Text_balance", {120, 960, 0, 0}},
        {"Text_charge2", {120, 1380, 615, 360}},
        {"Text_Tmin", {1560, 2280, 0, 0}},
        {"Text_Tmax", {2040, 2280, 0, 0}},
        {"Text_Tfiltr", {2760, 2280, 0, 0}},
        {"Text_DS_Tmin", {1560, 2640, 0, 0}},
        {"Text_DS_Tmax", {2040, 2640, 0, 0}},
        {"Text_DS_Tfiltr", {2760, 2640, 0, 0}},
        {"Text_Tds", {3480, 2640, 0, 0}},
        {"MSFlexGrid_temperature", {120, 3000, 4095, 855}},
        {"Check_clock_off", {120, 4080, 0, 0}},
        {"Check_start_sms", {120, 4440, 0, 0}},
        {"Check_bez_call", {120, 4680, 0, 0}},
        {"Check_beep_bez_gsm", {120, 5160, 0, 0}},
        {"Label_alarm_heading", {7800, 720, 0, 0}},
        {"MSFlexGrid_active_unch", {4200, 1560, 0, 0}},
        {"MSFlexGrid_z_o", {9360, 1260, 0, 0}},
        {"Text_pin", {5520, 4800, 0, 0}},
        {"Check_full_circle", {5640, 5280, 0, 0}},
        {"Check_tone_on", {5640, 5520, 0, 0}},
        {"Check_busy_on", {5640, 5760, 0, 0}},
        {"Text_power_save", {5640, 6000, 0, 0}},
        // "ВХОДЫ И ВЫХОДЫ".
        {"Label25", {5400, 360, 0, 0}},
        {"Text_Len_alarm_delay", {6000, 360, 0, 0}},
        {"Combo_del_alarm", {6480, 360, 0, 0}},
        {"Text_Len_Oxrana_delay", {9000, 360, 0, 0}},
        {"Combo_del_oxrana", {9480, 360, 0, 0}},
        {"Text_lev_z6", {2400, 3060, 0, 0}},
        {"Text_lev_12v", {2400, 3780, 0, 0}},
        {"Label_low_batt", {1200, 4080, 0, 0}},
        {"Text_lev_low_batt", {2400, 4080, 0, 0}},
        {"Label_battery_low_sms", {9720, 4080, 0, 0}},
        {"Combo_short_beep", {6000, 4320, 0, 0}},
        {"Text_len_beep", {6720, 4320, 0, 0}},
        {"Label8", {7200, 4320, 0, 0}},
        {"Check_beep_auto_off", {9360, 4320, 0, 0}},
        {"Label23", {3000, 4860, 0, 0}},
        {"Label35", {4320, 4860, 0, 0}},
        {"MSFlexGrid_inputs_to_out", {5640, 4740, 0, 0}},
        {"Label44", {8760, 4560, 0, 0}},
        {"Label59", {10320, 5040, 0, 0}},
        {"MSFlexGrid_out_number", {120, 5100, 0, 0}},
        // "ЗВОНОК ХОЗЯИНА".
        {"MSFlexGrid_owners", {120, 1680, 0, 0}},
        {"MSFlexGrid_owner_call", {2160, 1440, 0, 0}},
        {"Label_call_arrows", {2160, 4680, 0, 0}},
        {"Combo_mic", {2160, 4920, 0, 0}},
        {"Text_charge1", {3720, 5040, 0, 0}},
        {"Label20", {120, 5520, 0, 0}},
        {"MSFlexGrid_custom_out", {5880, 4920, 0, 0}},
        // "ВКЛ/ВЫКЛ ОХРАНЫ".
        {"Label_call_oxr", {240, 1200, 0, 0}},
        {"MSFlexGrid_owners_", {1680, 420, 0, 0}},
        {"MSFlexGrid_call_to_owner", {3720, 660, 0, 0}},
        {"MSFlexGrid_sms_to_owner", {5520, 660, 0, 0}},
        {"Combo_auto_oxrana_on", {8400, 600, 3495, 0}},
        {"Label29", {1800, 3420, 0, 0}},
        {"MSFlexGrid_input_oxr", {4200, 3420, 0, 0}},
        {"Label48", {1800, 4440, 0, 0}},
        {"MSFlexGrid_dtmf_oxr", {4200, 4440, 0, 0}},
        {"Label49", {1800, 5520, 0, 0}},
        {"MSFlexGrid_sms_oxr", {4200, 5520, 0, 0}},
        {"Label15", {8760, 4020, 0, 0}},
        {"Label28", {8160, 4320, 0, 0}},
        {"Check_oxr_on_sms", {9960, 4260, 0, 0}},
        {"Check_oxr_on_call", {10440, 4260, 0, 0}},
        {"Combo_oxr_on_long", {10920, 4260, 0, 0}},
        {"Check_oxr_of_sms", {9960, 4620, 0, 0}},
        {"Check_oxr_of_call", {10440, 4620, 0, 0}},
        {"Combo_oxr_of_long", {10920, 4620, 0, 0}},
        {"Check_only_al_beep", {10080, 5040, 0, 0}},
        {"Line_blocks", {7560, 720, 0, 5760}},
        {"Line_switches", {7560, 4080, 960, 0}},
        // "БЛОК-СХЕМА".
        {"Combo_vyr_type", {7920, 600, 0, 0}},
        {"Picture_vyr_q", {480, 720, 7215, 6135}},
        {"Picture_vyr_qn", {2400, 480, 5295, 5775}},
        {"Picture_vyr_qn_termo", {120, 720, 2295, 3015}},
        {"Picture_dallas", {960, 360, 2055, 375}},
        // "GPRS-НАСТРОЙКИ".
        {"Check_gprs", {2520, 600, 0, 0}},
        {"Text_gprs_period", {2520, 960, 0, 0}},
        {"Check_gprs_clock", {2520, 1320, 0, 0}},
        {"Check_gprs_balance", {2520, 1560, 0, 0}},
        {"Check_alarm_gprs", {2520, 1800, 0, 0}},
        {"Check_oxrana_gprs", {2520, 2040, 0, 0}},
        {"MSFlexGrid_gprs_label", {120, 2400, 0, 0}},
        {"Text_apn_sim1", {2520, 2400, 0, 0}},
        {"Text_ip", {2520, 2760, 0, 0}},
        {"Text_port", {2520, 3120, 0, 0}},
        {"Label_ID_vyr_", {2520, 3480, 0, 0}},
        {"Label_password_", {2520, 3840, 0, 0}},
        {"Label_web", {360, 4320, 0, 0}},
        // "CSD-соединение".
        {"Check_csd_mode", {120, 360, 0, 0}},
        {"phone(0)", {4320, 360, 0, 0}},
        {"Check_csd_in", {6120, 480, 0, 0}},
        {"txtComSet", {120, 840, 0, 0}},
        {"Combo_com", {1200, 840, 0, 0}},
        {"Text_vyr_phone", {2640, 1200, 0, 0}},
        {"MSFlexGrid_csd_input", {240, 1560, 7455, 3495}},
        {"Label_modem_problem", {240, 5160, 0, 0}},
        {"Text_at", {240, 5400, 0, 0}},
    };
    // The rows of the owners, the inputs and the outputs.
    for (int owner = 1; owner <= 8; ++owner) {
        const int y = 1620 + 360 * (owner - 1);
        const std::string n = std::to_string(owner);
        places.push_back({ui::indexed("phone", owner), {5880, y, 1692, 360}});
        places.push_back({"Check_ring" + n, {7680, y, 0, 0}});
        places.push_back({"Check_sms" + n, {8040, y, 0, 0}});
        places.push_back({"Combo_sms" + n, {8400, y, 975, 0}});
    }
    for (int input = 1; input <= 8; ++input) {
        const int y = 1260 + 360 * (input - 1);
        const std::string n = std::to_string(input);
        places.push_back({ui::indexed("Text_z", input - 1), {360, y, 615, 0}});
        places.push_back({"Check_zero" + n, {1080, y, 0, 0}});
        places.push_back({"Text_f_" + n, {2880, y, 0, 0}});
        places.push_back({"Text_short" + n, {8520, y, 3615, 0}});
    }
    for (int output = 1; output <= 3; ++output) {
        const int y = 5160 + 360 * (output - 1);
        const std::string n = std::to_string(output);
        places.push_back({ui::indexed("Text_z", 7 + output), {360, y, 0, 0}});
        places.push_back({"Combo_out" + n, {1080, y, 4575, 0}});
        places.push_back({"Text_pusle_out" + n, {8760, y, 0, 0}});
        places.push_back({"Check_state_out" + n, {9240, y, 0, 0}});
        places.push_back({"Check_invert_out" + n, {10800, y, 0, 0}});
    }

    const ui::WindowSpec spec = form1Spec();
    for (const Place& p : places) {
        const ui::ControlSpec* c = specOf(spec, p.name);
        ASSERT_NE(c, nullptr) << p.name;
        ui::Rect expected = p.place;
        if (expected.width == 0)
            expected.width = c->place.width;
        if (expected.height == 0)
            expected.height = c->place.height;
        EXPECT_EQ(c->place, expected) << p.name << " at " << c->place.left << ", " << c->place.top << ", "
                                      << c->place.width << " x " << c->place.height;
    }
}

// Controls of one tab must not cover each other, or a caption hides
// behind a field. Slight touches at the edges are tolerated.
TEST(WindowLayout, NoTwoVisibleControlsOfATabOverlap)
{
    constexpr int Tolerance = 30;
    const ui::WindowSpec spec = form1Spec();
    // The sensor drawing stands on the board drawing's edge by design.
    const std::set<std::pair<std::string, std::string>> allowed = {{"Picture_vyr_q", "Picture_dallas"}};
    std::vector<const ui::ControlSpec*> shown;
    for (const auto& c : spec.controls)
        if (c.tab >= 0 && c.visible && c.kind != ui::Kind::Line)
            shown.push_back(&c);
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const ui::ControlSpec& a = *shown[i];
            const ui::ControlSpec& b = *shown[j];
            if (a.tab != b.tab || allowed.count({a.name, b.name}) || allowed.count({b.name, a.name}))
                continue;
            const ui::Rect& p = a.place;
            const ui::Rect& q = b.place;
            int dx = std::min(p.left + p.width, q.left + q.width) - std::max(p.left, q.left);
            int dy = std::min(p.top + p.height, q.top + q.height) - std::max(p.top, q.top);
            EXPECT_FALSE(dx > Tolerance && dy > Tolerance) << a.name << " overlaps " << b.name << " on tab " << a.tab;
        }
}

TEST(Tooltips, EveryNamedControlExistsAndGetsItsText)
{
    Window f;
    ASSERT_NO_THROW(editor::tips_on(f.w));
    const ui::Window& w = f.w.form1;
    struct Case {
        const char* control;
        const char* tip;
    };
    const Case cases[] = {
        {"Cmd(1)", "Завершение сеанса конфигурирования устройства :-) "},
        {"Combo_sms8", "Тип смс как при тревоге так и при постановке/снятии охраны"},
        {"Label40", "Интервал  выдачи периодической sms на Хозяина-1 (от 0 до 255, 0-выключено, цена единицы - около "
                    "10 минут)"},
        {"Text_status_timeout", "Интервал  выдачи периодической sms на Хозяина-1 (от 0 до 255, 0-выключено, цена "
                                "единицы - около 10 минут)"},
        {"Label31", "\"ВХОД ПОСТАНОВКИ/СНЯТИЯ ОХРАНЫ\" - по изменению состояния входа"},
        {"Text_Len_alarm_delay", "Задержка (0-255) тревоги при сработке входа "},
        {"Check_state_out3", "Включить активный уровень сигнала на выходе при включении устройства"},
        {"Label46", "Оповещения Хозяев звонком при ВКЛ/ВЫКЛ охраны входящим звонком Хозяина (для каждого Хозяина)"},
        {"Text_port", "Порт веб-сервера, который принимает данные от устройства"},
        {"Label_vyr_ph", "Телефонный номер СИМ-карты GSM-сигнализации, у которого этот модем разрешен для входящего "
                         "CSD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w.find(c.control)->toolTip(), c.tip) << c.control;
    EXPECT_EQ(w.find("Text_email")->toolTip().rfind("пример: ", 0), 0u);
}

TEST(Tooltips, AccessCodeGoesIntoTheCommandLabels)
{
    Window f;
    f.w.text("Text_pin").setText("5j");
    editor::tips_on(f.w);
    EXPECT_EQ(f.w.label("Label49").toolTip(), "Оповещения Хозяина при ВКЛ/ВЫКЛ охраны SMS-командой (OXR-on5j/OXR-of5j)");
    EXPECT_EQ(f.w.label("Label48").toolTip(),
              "Оповещения Хозяина при ВКЛ/ВЫКЛ охраны DTMF-командой (*121 вкл, *120  выкл), которые доступны при "
              "автоподнятии, или тревожном звонке, или перезвоне по SMS-команде Callme5j");
}

TEST(Tooltips, EachNotificationSwitchExplainsItselfByTheOther)
{
    const std::string fullWithBusy = "Выполнять полный цикл оповещения (Хозяин-1..-8, e-mail), иначе цикл прекращается "
                                     "при отбое или поднятии трубки текущим Хозяином с последующей минутной паузой";
    const std::string fullAlone = "Выполнять полный цикл оповещения (Хозяин-1..-8, e-mail), иначе цикл прекращается "
                                  "при поднятии трубки текущим Хозяином";
    const std::string busyIgnored = "на \"отбой\" не реагируем, поскольку включен полный цикл тревожного оповещения";
    const std::string busyEnds = "выходим из цикла тревожного оповещения при \"отбое\", минутная пауза после этого для "
                                 "возможности входящего звонка ";
    struct Case {
        int fullCircle, busyOn;
        const std::string& fullTip;
        const std::string& busyTip;
    };
    const Case cases[] = {
        {0, 0, fullAlone, busyEnds},
        {1, 0, fullAlone, busyIgnored},
        {0, 1, fullWithBusy, busyEnds},
        {1, 1, fullWithBusy, busyIgnored},
    };
    for (const Case& c : cases) {
        Window f;
        f.w.check("Check_full_circle").setValue(c.fullCircle);
        f.w.check("Check_busy_on").setValue(c.busyOn);
        editor::tips_on(f.w);
        EXPECT_EQ(f.w.check("Check_full_circle").toolTip(), c.fullTip) << c.fullCircle << c.busyOn;
        EXPECT_EQ(f.w.check("Check_busy_on").toolTip(), c.busyTip) << c.fullCircle << c.busyOn;
    }
}

}  // namespace
