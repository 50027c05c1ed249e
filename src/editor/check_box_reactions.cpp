// Check boxes that enable other controls or change tooltips, and the
// factory reset button.
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/procedures.h"

namespace editor {
namespace {

// Runs `reaction` after whatever the box already does on a click.
void alsoOnClick(ui::CheckBox& box, std::function<void()> reaction)
{
    std::function<void()> before = std::move(box.onClick);
    box.onClick = [before = std::move(before), reaction = std::move(reaction)] {
        if (before)
            before();
        reaction();
    };
}

ui::Control& control(const MainWindow& w, const std::string& name)
{
    ui::Control* c = w.form1.find(name);
    if (!c)
        throw std::out_of_range("no control " + name + " in Form1");
    return *c;
}

// Everything on the GPRS tab that configures the reporting; the row
// labels and the device's serial number and password stay as they are.
std::vector<ui::Control*> gprsControls(const MainWindow& w)
{
    std::vector<ui::Control*> controls;
    for (const char* name : {"Label_gprs_period", "Text_gprs_period", "Check_alarm_gprs", "Check_gprs_balance",
                             "Check_gprs_clock", "Text_apn_sim1", "Text_port", "Text_ip", "Check_oxrana_gprs"})
        controls.push_back(&control(w, name));
    return controls;
}

struct ListSwitch {
    const char* box;
    const char* list;
};

// Call notices on arming and disarming: the call length list is usable
// only while its call switch is on; its selection is kept.
const ListSwitch kCallSwitches[] = {
    {"Check_oxr_on_call", "Combo_oxr_on_long"},
    {"Check_oxr_of_call", "Combo_oxr_of_long"},
};

}  // namespace

void wireCheckBoxes(MainWindow& w)
{
    ui::CheckBox& gprs = w.check("Check_gprs");
    alsoOnClick(gprs, [&gprs, controls = gprsControls(w)] {
        for (ui::Control* c : controls)
            c->setEnabled(gprs.value() == 1);
    });

    for (const ListSwitch& s : kCallSwitches) {
        ui::CheckBox& box = w.check(s.box);
        ui::List& list = w.list(s.list);
        alsoOnClick(box, [&box, &list] { list.setEnabled(box.value() == 1); });
    }

    // The tooltip of each of these two boxes depends on the other.
    for (const char* name : {"Check_busy_on", "Check_full_circle"})
        alsoOnClick(w.check(name), [&w] { tips_on(w); });

    w.button("Command_flat").onClick = [&w] { fl_m(w); };
}

}  // namespace editor
