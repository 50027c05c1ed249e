#include <string>

#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {
namespace {

ui::ControlSpec thickLine(std::string name, int tab, ui::Rect place, bool vertical)
{
    ui::ControlSpec s = make(ui::Kind::Line, std::move(name), tab, place);
    s.vertical = vertical;
    s.thickness = 3;
    return s;
}

// One way of arming with its notice grid: label at x 1800, grid at x 4200.
void addNoticeRow(std::vector<ui::ControlSpec>& out, int t, const char* labelName, const char* caption,
                  const char* gridName, int y)
{
    out.push_back(wrapped(label(labelName, t, {1800, y, 2300, 735}, caption)));
    out.push_back(grid(gridName, t, {4200, y, 2985, 765}, 3, 9, 1, 1));
}

}  // namespace

void addArmingTab(std::vector<ui::ControlSpec>& out)
{
    const int t = TabArming;
    // Notices when an owner arms or disarms by calling.
    out.push_back(wrapped(label("Label_call_oxr", t, {240, 1200, 1380, 1140},
                                "Оповещения Хозяев при ВКЛ/ВЫКЛ охраны \"ЗВОНКОМ ХОЗЯИНА\"")));
    out.push_back(grid("MSFlexGrid_owners_", t, {1680, 420, 2040, 2505}, 9, 2, 1, 1));
    out.push_back(label("Label46", t, {3720, 420, 1755, 255}, "Звонок Хозяину"));
    out.push_back(grid("MSFlexGrid_call_to_owner", t, {3720, 660, 1755, 2205}, 9, 8, 1, 0));
    out.push_back(label("Label47", t, {5520, 420, 1755, 255}, "SMS Хозяину"));
    out.push_back(grid("MSFlexGrid_sms_to_owner", t, {5520, 660, 1755, 2205}, 9, 8, 1, 0));

    addNoticeRow(out, t, "Label29", "Оповещения Хозяев при ВКЛ/ВЫКЛ охраны \"ВХОДОМ ПОСТ/СНЯТИЯ\"",
                 "MSFlexGrid_input_oxr", 3420);
    addNoticeRow(out, t, "Label48", "Оповещения Хозяев при ВКЛ/ВЫКЛ охраны DTMF-командой", "MSFlexGrid_dtmf_oxr", 4440);
    addNoticeRow(out, t, "Label49", "Оповещения Хозяев при ВКЛ/ВЫКЛ охраны SMS-командой", "MSFlexGrid_sms_oxr", 5520);

    out.push_back(thickLine("Line_blocks", t, {7560, 720, 0, 5760}, true));
    out.push_back(thickLine("Line_switches", t, {7560, 4080, 960, 0}, false));

    out.push_back(list("Combo_auto_oxrana_on", t, {8400, 600, 3495, 315}));

    // The main switches: SMS, call and call length, for arming and for disarming.
    out.push_back(bold(label("Label15", t, {8760, 4020, 2400, 255}, "ХОЗЯЕВАМ SMS  ЗВОНОК")));
    out.push_back(label("Label28", t, {8160, 4320, 1800, 600}, "Постановка на охрану\n\nСнятие с охраны"));
    struct Switches {
        const char* sms;
        const char* call;
        const char* length;
        int y;
    };
    const Switches rows[] = {{"Check_oxr_on_sms", "Check_oxr_on_call", "Combo_oxr_on_long", 4260},
                             {"Check_oxr_of_sms", "Check_oxr_of_call", "Combo_oxr_of_long", 4620}};
    for (const Switches& row : rows) {
        out.push_back(check(row.sms, t, {9960, row.y, 255, 315}));
        out.push_back(check(row.call, t, {10440, row.y, 255, 315}));
        // Usable only while its call switch is on.
        out.push_back(disabled(list(row.length, t, {10920, row.y, 1215, 315})));
    }
    out.push_back(check("Check_only_al_beep", t, {10080, 5040, 2040, 450}, "Откл. \"Сирену\" при ВКЛ/ВЫКЛ охраны"));
}

}  // namespace editor::layout
