// What the main window does once, before it is first shown: lists, grids,
// the factory configuration, tooltips, the logo and the captions.
#include "editor/start_up.h"

#include <string>
#include <vector>

#include "editor/procedures.h"
#include "platform/error.h"

namespace editor {
namespace {

void fill(ui::List& list, const std::vector<std::string>& entries, int selected)
{
    list.clear();
    for (const std::string& e : entries)
        list.addItem(e);
    if (selected >= 0)
        list.setListIndex(selected);
}

void fill(MainWindow& w, const std::string& name, const std::vector<std::string>& entries, int selected)
{
    fill(w.list(name), entries, selected);
}

// "Автопостановка на охрану в 00 часов" .. "в 23 часа", with the noun
// agreeing with the hour.
std::string autoArmingEntry(int hour)
{
    const char* noun = "часов";
    if (hour == 1 || hour == 21)
        noun = "час";
    else if ((hour >= 2 && hour <= 4) || (hour >= 22 && hour <= 24))
        noun = "часа";
    std::string hh = (hour < 10 ? "0" : "") + std::to_string(hour);
    return "Автопостановка на охрану в " + hh + " " + noun;
}

// The connection and setting lists of the top strip and the tabs. The
// board type list is filled with the output mode lists and starts with
// nothing selected.
void fillConnectionAndSettingLists(MainWindow& w)
{
    std::vector<std::string> ports;
    for (int i = 1; i <= 16; ++i)
        ports.push_back("COM" + std::to_string(i) + ":");
    fill(w, "cmbPort", ports, 0);
    fill(w, "Combo_com", {"None", "Xon/Xoff", "RTS", "RTSXon/Xoff"}, 0);
    std::vector<std::string> autoArming = {"Выключена автопостановка на охрану"};
    for (int hour = 0; hour <= 23; ++hour)
        autoArming.push_back(autoArmingEntry(hour));
    fill(w, "Combo_auto_oxrana_on", autoArming, 0);
    fill(w, "Combo_sms",
         {"Shhrtd9f - прописать модем", "Ptolfi0b - разрешить CSD-вход", "Mkweay1b - запретить CSD-вход"}, 0);
    fill(w, "Combo_del_alarm", {"задержка тревоги, сек", "задержка тревоги, мин"}, 0);
    fill(w, "Combo_del_oxrana", {"задержка охраны, сек", "задержка охраны, мин"}, 0);
    fill(w, "Combo_short_beep", {"0.15", "0.30", "0.45"}, 0);
    fill(w, "Combo_mic", {"низкое", "среднее", "высокое"}, 1);
}

void fillInputTypeAndCallLists(MainWindow& w)
{
    for (int i = 1; i <= 7; ++i)
        fill(w, "Check_zero" + std::to_string(i), {"убрать минус", "подать минус"}, i == 6 ? 1 : 0);
    fill(w, "Check_zero8", {"выше +13V", "ниже +13V"}, 1);
    fill(w, "Combo_oxr_on_long", {"короткий", "длинный"}, 0);
    fill(w, "Combo_oxr_of_long", {"короткий", "длинный"}, 0);
}

void fillSmsKindLists(MainWindow& w)
{
    for (int i = 1; i <= 8; ++i)
        fill(w, "Combo_sms" + std::to_string(i), {"полная", "краткая"}, 0);
}

}  // namespace

void start_up(MainWindow& w)
{
    // 1. Nothing pending, so that a poll running inside the sequence finds
    // no command to send.
    w.set_output_command = false;
    w.autoload_done = false;
    w.work_with_file = false;
    w.send_command = false;
    w.set_time = false;
    w.receive_command = false;
    w.est_shnur = false;
    w.Buffer.clear();

    tips_on(w);                               // 2
    fillConnectionAndSettingLists(w);         // 3
    layout_grid(w, "MSFlexGrid_gprs_label");  // 4
    fill_output_modes(w);                     // 5
    board_layout(w, 0);                       // 6
    for (const char* grid :                   // 7
         {"MSFlexGrid_active_unch", "MSFlexGrid_sms_command", "MSFlexGrid_zone_number", "MSFlexGrid_out_number",
          "MSFlexGrid_inputs_properties", "MSFlexGrid_inputs_to_out", "MSFlexGrid_input_oxr", "MSFlexGrid_sms_oxr",
          "MSFlexGrid_dtmf_oxr", "MSFlexGrid_owner_call", "MSFlexGrid_call_to_owner", "MSFlexGrid_sms_to_owner",
          "MSFlexGrid_owners", "MSFlexGrid_owners_", "MSFlexGrid_z_o"})
        layout_grid(w, grid);
    fillInputTypeAndCallLists(w);  // 8
    w.services.loop.processEvents();
    fillSmsKindLists(w);
    fl_m(w);  // 9
    layout_grid(w, "MSFlexGrid_csd_input");  // 10
    layout_grid(w, "MSFlexGrid_temperature");
    csd_input_grid(w);
    fl_m(w);  // 11: the window starts with the factory values whatever its design
    tips_on(w);
    w.services.loop.processEvents();

    ui::Picture& logo = w.picture("Image1");  // 12
    logo.loadFile("logo.jpg");
    ui::Rect place = logo.place();
    place.width = 2290;
    place.height = 1390;
    logo.setPlace(place);

    if (w.load_c_file)  // 13
        w.load_c_file();
    w.services.loop.processEvents();
}

void start_up_with_failure_path(MainWindow& w, bool captionFileExists)
{
    try {
        start_up(w);
    } catch (const platform::Error& e) {
        w.services.host.messageBox(e.description(), "Error#" + std::to_string(e.number()),
                                   platform::MessageIcon::Critical, platform::MessageButtons::Ok);
        if (!captionFileExists && w.save_c_file)
            w.save_c_file();
    }
}

}  // namespace editor
