#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {

void addTopStrip(std::vector<ui::ControlSpec>& out)
{
    out.push_back(make(ui::Kind::Image, "Image1", -1, {120, 120, 2290, 1390}));
    out.push_back(list("cmbPort", -1, {2400, 600, 1335, 315}));
    out.push_back(button("Cmd(0)", -1, {3840, 600, 1335, 495}, "Соединиться (открыть порт)"));
    out.push_back(text("Text_file_name", -1, {2400, 1200, 2895, 285}));

    ui::ControlSpec link = hidden(label("Label_link", -1, {4080, 0, 855, 375}, "состояние       связи"));
    link.transparent = false;
    link.wordWrap = true;
    link.alignment = 2;
    out.push_back(link);

    ui::ControlSpec send = disabled(button("Command_send", -1, {5280, 0, 1215, 495}, "Записать настройки"));
    send.backColor = ui::color::Highlight;
    out.push_back(send);
    out.push_back(label("Label_ok", -1, {6600, 0, 375, 495}, ""));
    out.push_back(disabled(button("Command_receiv", -1, {7080, 0, 1215, 492}, "Считать настройки")));
    out.push_back(hidden(disabled(
        button("Command_set_time", -1, {8400, 0, 2175, 615}, "Установить часы устройства равным  времени ПК"))));
    ui::ControlSpec exit = button("Cmd(1)", -1, {10680, 0, 1155, 615}, "ВЫХОД");
    exit.bold = true;
    out.push_back(exit);
    out.push_back(button("Command_flat", -1, {5280, 600, 3015, 495}, "Сброс в заводские настройки"));
    ui::ControlSpec clock = label("Label_clock", -1, {8400, 720, 2535, 975}, "");
    clock.wordWrap = true;
    out.push_back(clock);
    out.push_back(button("Command_open_file", -1, {5280, 1200, 1455, 375}, "открыть файл"));
    out.push_back(button("Command_save_file", -1, {6840, 1200, 1455, 375}, "сохранить файл"));

    ui::ControlSpec tabs = make(ui::Kind::TabControl, "SSTab1", -1, {0, 1680, 12255, 6975});
    tabs.tabs = {"РЕЖИМ, ТЕЛЕФОНЫ", "ВХОДЫ И ВЫХОДЫ", "ЗВОНОК ХОЗЯИНА", "ВКЛ/ВЫКЛ ОХРАНЫ",
                 "БЛОК-СХЕМА",      "GPRS-НАСТРОЙКИ", "CSD-соединение"};
    out.push_back(tabs);
}

void addTimers(std::vector<ui::ControlSpec>& out)
{
    out.push_back(timer("Timer_period", 2000));
    out.push_back(timer("Timer_help", 0));
    out.push_back(timer("Timer_time_out", 0));
    out.push_back(timer("Timer_pause", 0));
}

}  // namespace editor::layout
