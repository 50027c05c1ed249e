#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {

void addCsdTab(std::vector<ui::ControlSpec>& out)
{
    const int t = TabCsd;
    out.push_back(check("Check_csd_mode", t, {120, 360, 2850, 255}, "модем на порте (режим CSD)"));
    out.push_back(label("Label37", t, {3030, 160, 1260, 680}, "Хозяин-D  для передачи данных (CSD)   -->"));
    out.back().fontPoints = 7;
    out.back().wordWrap = true;
    out.push_back(text("phone(0)", t, {4320, 360, 1692, 360}));
    out.push_back(check("Check_csd_in", t, {6120, 480, 1800, 255}, "разрешить вход"));

    out.push_back(text("txtComSet", t, {120, 840, 1000, 315}, "9600,n,8,1"));
    out.push_back(list("Combo_com", t, {1200, 840, 1335, 315}));
    out.push_back(disabled(button("Cmd_atd", t, {2640, 840, 1100, 375}, "Позвонить")));
    out.push_back(disabled(button("Cmd_ath", t, {3840, 840, 900, 375}, "Отбой")));
    out.push_back(disabled(button("Command_send_sms", t, {4860, 840, 1700, 375}, "Отослать СМС -->")));
    out.push_back(disabled(text("Text_sms", t, {6660, 840, 1100, 315}, "Shhrtd9f")));
    out.push_back(list("Combo_sms", t, {7860, 840, 3600, 315}));

    out.push_back(label("Label_vyr_ph", t, {240, 1230, 2300, 255}, "телефон GSM-сигнализации:"));
    out.push_back(disabled(text("Text_vyr_phone", t, {2640, 1200, 1692, 315}, "+38067xxxxxxx")));

    ui::ControlSpec status = grid("MSFlexGrid_csd_input", t, {240, 1560, 7455, 3495}, 14, 4, 1, 0);
    out.push_back(status);
    out.push_back(label("Label_modem_problem", t, {240, 5160, 7455, 255}, ""));
    ui::ControlSpec terminal = text("Text_at", t, {240, 5400, 7455, 1095});
    terminal.multiLine = true;
    out.push_back(terminal);
}

}  // namespace editor::layout
