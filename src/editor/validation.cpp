#include "editor/validation.h"

#include <functional>
#include <vector>

#include "editor/output_mode_texts.h"
#include "editor/procedures.h"
#include "ui/control_spec.h"

namespace editor {
namespace {

using Normalise = std::function<std::string(const std::string&)>;
using Effect = std::function<void()>;

// Runs a field's rule on every change of its text. When the rule replaces
// the text, the replacement runs the rule again (the field reports the
// change), and that run does the side effect; rules are idempotent on
// their own output, so it ends there.
void hook(MainWindow& w, const std::string& field, Normalise normalise, Effect effect = {})
{
    ui::TextField& f = w.text(field);
    f.onChange = [&f, normalise = std::move(normalise), effect = std::move(effect)] {
        std::string fixed = normalise(f.text());
        if (fixed != f.text()) {
            f.setText(fixed);
            return;
        }
        if (effect)
            effect();
    };
}

int valueOf(const std::string& digits) { return digits.empty() ? 0 : std::stoi(digits); }

std::string tenthsOf(MainWindow& w, const std::string& field)
{
    return rules::tenths(valueOf(w.text(field).text()), w.services.regional.decimalSeparator());
}

// The type list of a voltage input carries its threshold; a new threshold
// rebuilds it and selects "below".
void rebuildThresholdList(MainWindow& w, const std::string& field, const std::string& list)
{
    std::string volts = tenthsOf(w, field);
    ui::List& l = w.list(list);
    l.clear();
    l.addItem("выше +" + volts + "V");
    l.addItem("ниже +" + volts + "V");
    l.setListIndex(1);
}

void rewriteLowBatteryLabel(MainWindow& w)
{
    w.label("Label_low_batt").setCaption("ниже +" + tenthsOf(w, "Text_lev_low_batt") + "V");
}

// The mode list tooltip of every output working as a thermostat on the
// external sensor names the set point.
void retitleThermostatOutputs(MainWindow& w)
{
    const std::string& setPoint = w.text("Text_Tds").text();
    for (int n = 1; n <= 3; ++n) {
        ui::List& mode = w.list("Combo_out" + std::to_string(n));
        if (mode.listIndex() == 14)
            mode.setToolTip(output_mode_tooltip(14, n, setPoint));
    }
}

// Owner N's number also labels row N of both owner display grids.
void copyOwnerNumber(MainWindow& w, int owner)
{
    const std::string& number = w.text(ui::indexed("phone", owner)).text();
    w.grid("MSFlexGrid_owners").setCell(owner, 1, number);
    w.grid("MSFlexGrid_owners_").setCell(owner, 1, number);
}

struct NumberField {
    std::string name;
    std::string fallback;
    std::function<void(MainWindow&)> effect;
};

std::vector<NumberField> numberFields()
{
    std::vector<NumberField> fields = {
        {"Text_balance", "0", {}},
        {"Text_len_beep", "0", {}},
        {"Text_power_save", "0", {}},
        {"Text_status_timeout", "0", {}},
        {"Text_gprs_period", "0", {}},
        {"Text_Len_alarm_delay", "0", {}},
        {"Text_Len_Oxrana_delay", "0", {}},
        {"Text_Tfiltr", "10", {}},
        {"Text_lev_12v", "0", [](MainWindow& w) { rebuildThresholdList(w, "Text_lev_12v", "Check_zero8"); }},
        {"Text_lev_z6", "0", [](MainWindow& w) { rebuildThresholdList(w, "Text_lev_z6", "Check_zero6"); }},
        {"Text_lev_low_batt", "0", rewriteLowBatteryLabel},
    };
    for (int i = 1; i <= 8; ++i)
        fields.push_back({"Text_f_" + std::to_string(i), "0", {}});
    for (int i = 1; i <= 3; ++i)
        fields.push_back({"Text_pusle_out" + std::to_string(i), "0", {}});
    return fields;
}

struct SignedField {
    const char* name;
    const char* fallback;
    void (*effect)(MainWindow&);
};

const SignedField kSignedFields[] = {
    {"Text_Tmin", "-30", nullptr},
    {"Text_Tmax", "+80", nullptr},
    {"Text_Tds", "+22", retitleThermostatOutputs},
};

struct RestrictedField {
    const char* name;
    const char* allowed;
    std::size_t maxLength;
};

const RestrictedField kServiceNumbers[] = {
    {"Text_charge1", "0123456789", 4},    // conference service number
    {"Text_charge2", "0123456789*#", 5},  // balance request
};

}  // namespace

std::shared_ptr<RememberedTexts> wireValidationRules(MainWindow& w)
{
    MainWindow* win = &w;

    for (const NumberField& f : numberFields()) {
        Effect effect;
        if (f.effect)
            effect = [win, run = f.effect] { run(*win); };
        hook(w, f.name, [fallback = f.fallback](const std::string& t) { return rules::byteNumber(t, fallback); },
             effect);
    }

    for (const SignedField& f : kSignedFields) {
        Effect effect;
        if (f.effect)
            effect = [win, run = f.effect] { run(*win); };
        hook(w, f.name, [fallback = f.fallback](const std::string& t) { return rules::signedByte(t, fallback); },
             effect);
    }

    hook(w, "Text_pin", rules::accessCode, [win] { set_access_code_tooltips(*win); });

    auto remembered = std::make_shared<RememberedTexts>();
    auto refreshStatusGrid = [win] { csd_input_grid(*win); };
    for (int i = 1; i <= 8; ++i) {
        std::string* prev = &remembered->prev_short[static_cast<std::size_t>(i - 1)];
        hook(w, "Text_short" + std::to_string(i),
             [remembered, prev](const std::string& t) { return rules::freeText(t, *prev); }, refreshStatusGrid);
    }
    hook(w, "Text_email",
         [remembered](const std::string& t) { return rules::freeText(t, remembered->prev_Text_email); });
    hook(w, "Text_topic",
         [remembered](const std::string& t) { return rules::freeText(t, remembered->prev_Text_topic); });

    for (int i = 0; i <= 10; ++i)
        hook(w, ui::indexed("Text_z", i), rules::shortName, refreshStatusGrid);

    for (int i = 0; i <= 9; ++i) {
        Effect effect;
        if (i >= 1 && i <= 8)
            effect = [win, i] { copyOwnerNumber(*win, i); };
        hook(w, ui::indexed("phone", i), rules::telephone, effect);
    }

    for (const RestrictedField& f : kServiceNumbers)
        hook(w, f.name, [f](const std::string& t) { return rules::restricted(t, f.allowed, f.maxLength); });

    return remembered;
}

void wireValidation(MainWindow& w) { wireValidationRules(w); }

}  // namespace editor
