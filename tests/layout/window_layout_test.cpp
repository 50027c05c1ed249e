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
