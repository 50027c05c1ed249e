// The factory configuration. Every value is assigned as a user's edit
// would be, so the field rules, list and check box reactions run along;
// the order matters where a reaction reads a value set before it.
#include <array>
#include <string>

#include "editor/catalogue.h"
#include "editor/procedures.h"

namespace editor {
namespace {

std::string n(const char* stem, int i) { return stem + std::to_string(i); }

// Sets or clears every cell of rows r0..r1, columns c0..c1.
void markCells(ui::Grid& grid, int r0, int r1, int c0, int c1, bool on)
{
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            grid.setMarked(r, c, on);
}

// Input property columns, by meaning.
enum PropertyColumn {
    InUse = 0,
    ShortCall = 1,
    LongCall = 2,
    AlarmSms = 3,
    WatchedDisarmed = 4,
    WatchedArmed = 5,
    OnChange = 7,
    ThreeBeeps = 8,
    LongSiren = 9,
    ArmingInput = 10,
};

}  // namespace

void common_default(MainWindow& w)
{
    w.list("Combo_auto_oxrana_on").setListIndex(0);
    w.text("Text_charge1").setText("433");
    w.text("Text_power_save").setText("0");

    w.check("Check_gprs_balance").setValue(1);
    w.check("Check_gprs_clock").setValue(1);
    w.check("Check_beep_auto_off").setValue(0);

    w.text("Text_file_name").setText("");
    w.label("Label8").setBackColor(ui::color::ButtonFace);

    w.list("Combo_del_alarm").setListIndex(0);
    w.list("Combo_del_oxrana").setListIndex(0);
    w.check("Check_clock_off").setValue(0);
    w.list("Combo_short_beep").setListIndex(0);

    w.text("Text_Tds").setText("22");

    // Owner 1 and e-mail for both temperature notices.
    ui::Grid& temperature = w.grid("MSFlexGrid_temperature");
    markCells(temperature, 1, 2, 1, 9, false);
    for (int row = 1; row <= 2; ++row) {
        temperature.setMarked(row, 1, true);
        temperature.setMarked(row, 9, true);
    }

    w.list("Combo_mic").setListIndex(1);

    w.check("Check_gprs").setValue(0);
    w.check("Check_oxrana_gprs").setValue(1);
    w.check("Check_alarm_gprs").setValue(1);
    w.check("Check_beep_bez_gsm").setValue(0);
    w.check("Check_bez_call").setValue(0);
    w.check("Check_start_sms").setValue(0);

    w.text("Text_lev_low_batt").setText("110");

    w.text(ui::indexed("phone", 9)).setText("");
    w.text("Text_email").setText("");
    w.text("Text_topic").setText("");

    w.text("Text_Tmin").setText("-30");
    w.text("Text_Tmax").setText("+80");
    w.text("Text_Tfiltr").setText("10");
    w.text("Text_DS_Tmin").setText("+5");
    w.text("Text_DS_Tmax").setText("+50");
    w.text("Text_DS_Tfiltr").setText("10");

    for (int i = 1; i <= 3; ++i)
        w.check(n("Check_invert_out", i)).setValue(0);
    for (int i = 1; i <= 3; ++i)
        w.text(n("Text_pusle_out", i)).setText("5");

    w.label("Label_ok").setCaption("");

    w.text("Text_balance").setText("0");
    w.check("Check_busy_on").setValue(0);
    w.text("Text_gprs_period").setText("0");
    w.check("Check_gprs").setValue(0);

    w.text("Text_apn_sim1").setText(kDefaultAccessPoint);
    w.text("Text_ip").setText(kDefaultServerAddress);
    w.text("Text_port").setText("80");

    w.text("Text_len_beep").setText("60");

    markCells(w.grid("MSFlexGrid_sms_command"), 0, 7, 0, 0, false);
    markCells(w.grid("MSFlexGrid_active_unch"), 0, 7, 0, 0, true);

    markCells(w.grid("MSFlexGrid_dtmf_oxr"), 1, 2, 1, 8, false);
    markCells(w.grid("MSFlexGrid_sms_oxr"), 1, 2, 1, 8, false);

    // Every input reports by SMS and is watched when armed; 6 and 8 also
    // trigger on any change.
    ui::Grid& properties = w.grid("MSFlexGrid_inputs_properties");
    markCells(properties, 1, 8, 0, 13, false);
    for (int row = 1; row <= 8; ++row) {
        properties.setMarked(row, AlarmSms, true);
        properties.setMarked(row, WatchedArmed, true);
    }
    properties.setMarked(6, OnChange, true);
    properties.setMarked(8, OnChange, true);

    markCells(w.grid("MSFlexGrid_inputs_to_out"), 1, 3, 0, 7, false);

    w.text("Text_Len_alarm_delay").setText("30");
    w.text("Text_Len_Oxrana_delay").setText("30");

    w.check("Check_full_circle").setValue(1);

    markCells(w.grid("MSFlexGrid_input_oxr"), 1, 2, 1, 8, false);
    markCells(w.grid("MSFlexGrid_call_to_owner"), 1, 8, 0, 7, false);
    markCells(w.grid("MSFlexGrid_sms_to_owner"), 1, 8, 0, 7, false);
    markCells(w.grid("MSFlexGrid_z_o"), 1, 8, 0, 7, true);

    w.text("Text_lev_12v").setText("130");
    w.text("Text_lev_z6").setText("30");

    for (int i = 1; i <= 8; ++i)
        w.text(n("Text_f_", i)).setText(i == 8 ? "255" : "20");

    for (int i = 1; i <= 8; ++i)
        w.check(n("Check_ring", i)).setValue(1);
    for (int i = 1; i <= 8; ++i)
        w.check(n("Check_sms", i)).setValue(0);
    for (int i = 1; i <= 8; ++i)
        w.list(n("Combo_sms", i)).setListIndex(1);

    w.check("Check_tone_on").setValue(1);
    for (int i = 1; i <= 3; ++i)
        w.check(n("Check_state_out", i)).setValue(0);

    w.text("Text_status_timeout").setText("0");
    w.text("Text_gprs_period").setText("0");

    w.label("Label_clock").setCaption("");

    for (int i = 0; i <= 8; ++i)
        w.text(ui::indexed("phone", i)).setText("");

    // Emptied first so that the values below always run their rules.
    w.text("Text_charge1").setText("");
    w.text("Text_charge2").setText("");
    w.text("Text_pin").setText("5j");
    w.check("Check_csd_in").setValue(0);
    w.check("Check_only_al_beep").setValue(0);

    w.text("Text_charge2").setText("*111#");
    w.text("Text_charge1").setText("433");
}

void fl_m(MainWindow& w)
{
    common_default(w);

    // Ticked and unticked so that the reaction runs whatever the state was.
    w.check("Check_gprs").setValue(1);
    w.services.loop.processEvents();
    w.check("Check_gprs").setValue(0);
    w.services.loop.processEvents();

    const std::array<int, 3> modes = {1, 0, 5};
    for (int i = 1; i <= 3; ++i)
        w.list(n("Combo_out", i)).setListIndex(modes[static_cast<std::size_t>(i - 1)]);

    w.grid("MSFlexGrid_input_oxr").setEnabled(true);
    for (const char* name : {"Text_Len_Oxrana_delay", "Text_Len_alarm_delay"})
        w.text(name).setEnabled(false);
    for (const char* name : {"Combo_del_alarm", "Combo_del_oxrana"})
        w.list(name).setEnabled(false);

    // Input properties, set directly: input 3 is the arming input, the
    // others call long or short and sound the siren.
    ui::Grid& properties = w.grid("MSFlexGrid_inputs_properties");
    properties.setMarked(3, AlarmSms, false);
    properties.setMarked(3, WatchedDisarmed, true);
    properties.setMarked(3, OnChange, true);
    for (int row : {1, 2, 4, 5, 7})
        properties.setMarked(row, LongCall, true);
    properties.setMarked(3, ShortCall, false);
    for (int row : {6, 8})
        properties.setMarked(row, ShortCall, true);
    for (int row : {1, 2, 4, 5})
        properties.setMarked(row, LongSiren, true);
    properties.setMarked(6, ThreeBeeps, true);
    properties.setMarked(3, ArmingInput, true);
    for (int row = 1; row <= 7; ++row)
        properties.setMarked(row, InUse, true);

    w.grid("MSFlexGrid_input_oxr").setMarked(1, 1, true);

    ui::Grid& ownerCall = w.grid("MSFlexGrid_owner_call");
    markCells(ownerCall, 1, 8, 0, 0, true);
    markCells(ownerCall, 1, 8, 1, 3, false);

    const std::array<const char*, 8> shortTexts = {"DVERI", "OKNO", "ZONA3", "ZONA4", "x", "x", "x", "EXT.POWER "};
    for (int i = 1; i <= 8; ++i)
        w.text(n("Text_short", i)).setText(shortTexts[static_cast<std::size_t>(i - 1)]);

    const std::array<const char*, 11> names = {"Dver", "Okno", "Zon3", "Zon4", "xxxx", "xxxx",
                                               "xxxx", "ExtP", "Out1", "Out2", "Out3"};
    for (int i = 0; i <= 10; ++i)
        w.text(ui::indexed("Text_z", i)).setText(names[static_cast<std::size_t>(i)]);

    const std::array<int, 8> inputTypes = {0, 0, 1, 0, 0, 1, 0, 1};
    for (int i = 1; i <= 8; ++i)
        w.list(n("Check_zero", i)).setListIndex(inputTypes[static_cast<std::size_t>(i - 1)]);

    w.check("Check_oxr_on_call").setValue(1);
    w.check("Check_oxr_on_sms").setValue(1);
    w.list("Combo_oxr_on_long").setListIndex(0);
    w.check("Check_oxr_of_call").setValue(0);
    w.check("Check_oxr_of_sms").setValue(1);
    w.list("Combo_oxr_of_long").setListIndex(1);

    // Each owner who arms or disarms by calling is called back himself.
    ui::Grid& callToOwner = w.grid("MSFlexGrid_call_to_owner");
    for (int owner = 1; owner <= 8; ++owner)
        callToOwner.setMarked(owner, owner - 1, true);

    w.check("Check_only_al_beep").setValue(0);

    clear_unused_inputs(w);
    sxema(w);
}

}  // namespace editor
