#include "files/config_reader.h"

#include <cmath>

#include "editor/catalogue.h"
#include "ui/cp1251.h"
#include "files/file_io.h"
#include "files/number_text.h"

namespace files {
namespace {

using editor::Setting;
using editor::ValueKind;

bool isStateOutEnabled(std::string_view key)
{
    return key == "Form1.Check_state_out1.Enabled" || key == "Form1.Check_state_out2.Enabled" ||
           key == "Form1.Check_state_out3.Enabled";
}

// Lists whose entries are rebuilt when their threshold changes; their
// selection is applied once the thresholds are in place.
bool followsThreshold(std::string_view key)
{
    return key == "Form1.Check_zero6.ListIndex" || key == "Form1.Check_zero8.ListIndex";
}

const Setting* fileSetting(std::string_view key)
{
    const Setting* s = editor::findSetting(key);
    return s && s->fileLine > 0 && !isStateOutEnabled(key) ? s : nullptr;
}

// The list that is enabled together with a delay field.
const char* delayPartner(const std::string& control)
{
    if (control == "Text_Len_Oxrana_delay")
        return "Combo_del_oxrana";
    if (control == "Text_Len_alarm_delay")
        return "Combo_del_alarm";
    return nullptr;
}

[[noreturn]] void refuse() { throw platform::Error(platform::errc::InvalidPropertyValue, "Invalid property value"); }

// Raises what the field would raise when given this value.
void checkValue(const editor::MainWindow& w, const Setting& s, const std::string& value)
{
    switch (s.kind) {
    case ValueKind::Text:
    case ValueKind::CellText: return;
    case ValueKind::CheckState: {
        int v = number_text::toInt16(value);
        if (v < 0 || v > 2)
            refuse();
        return;
    }
    case ValueKind::ListIndex: {
        int v = number_text::toInt16(value);
        if (v < -1 || v >= w.list(s.control).count())
            refuse();
        return;
    }
    case ValueKind::EnabledFlag: number_text::toTruth(value); return;
    case ValueKind::MarkMask: decomposeMask(value); return;
    case ValueKind::Colour: number_text::toInt32(value); return;
    }
}

void applyValue(editor::MainWindow& w, const Setting& s, const std::string& value)
{
    switch (s.kind) {
    case ValueKind::Text: w.text(s.control).setText(value); return;
    case ValueKind::CheckState: w.check(s.control).setValue(number_text::toInt16(value)); return;
    case ValueKind::ListIndex: w.list(s.control).setListIndex(number_text::toInt16(value)); return;
    case ValueKind::EnabledFlag: {
        bool on = number_text::toTruth(value);
        w.form1.find(s.control)->setEnabled(on);
        if (const char* partner = delayPartner(s.control))
            w.list(partner).setEnabled(on);
        return;
    }
    case ValueKind::MarkMask: {
        auto cells = decomposeMask(value);
        int mask = 0;
        for (int bit = 0; bit < 8; ++bit)
            mask |= cells[bit] ? 1 << bit : 0;
        editor::writeMask(w, s, mask);
        return;
    }
    case ValueKind::CellText: w.grid(s.control).setCell(s.row, s.col, value); return;
    case ValueKind::Colour: w.label(s.control).setBackColor(number_text::toInt32(value)); return;
    }
}

void applyOlderGsmTemperature(editor::MainWindow& w, const std::string& value)
{
    bool on = number_text::toDouble(value) == 1.0;
    ui::Grid& grid = w.grid("MSFlexGrid_temperature");
    grid.setMarked(1, 1, on);
    grid.setMarked(1, 9, on);
}

}  // namespace

std::vector<ConfigLine> splitConfiguration(std::string_view bytes)
{
    std::vector<ConfigLine> lines;
    int number = 0;
    for (std::string_view raw : splitLines(bytes)) {
        ConfigLine line;
        line.number = ++number;
        std::string text = ui::cp1251::toUtf8(raw);
        auto tab = text.find('\t');
        if (tab != std::string::npos) {
            line.hasTab = true;
            line.key = text.substr(0, tab);
            line.value = text.substr(tab + 1);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool isReadableKey(std::string_view key) { return key == kOlderGsmTemperatureKey || fileSetting(key) != nullptr; }

std::array<bool, 8> decomposeMask(std::string_view value)
{
    std::array<bool, 8> cells{};
    double v = number_text::toDouble(value);
    std::int32_t t = 0;
    for (int bit = 7; bit >= 0; --bit) {
        if (t != 0)
            v -= std::ldexp(1.0, bit + 1);
        t = number_text::toInt32(v) / (1 << bit);
        // Negative quotients leave the cell empty, so that -1 clears all eight.
        cells[bit] = t > 0;
    }
    return cells;
}

std::optional<LoadFault> checkConfiguration(const editor::MainWindow& w, const std::vector<ConfigLine>& lines)
{
    for (const ConfigLine& line : lines) {
        if (!line.hasTab)
            continue;
        try {
            if (line.key == kOlderGsmTemperatureKey)
                number_text::toDouble(line.value);
            else if (const Setting* s = fileSetting(line.key))
                checkValue(w, *s, line.value);
        } catch (const platform::Error& e) {
            return LoadFault{line.number, line.key, e};
        }
    }
    return std::nullopt;
}

void applyConfiguration(editor::MainWindow& w, const std::vector<ConfigLine>& lines)
{
    std::vector<const ConfigLine*> afterThresholds;
    for (const ConfigLine& line : lines) {
        if (line.hasTab) {
            if (line.key == kOlderGsmTemperatureKey)
                applyOlderGsmTemperature(w, line.value);
            else if (followsThreshold(line.key))
                afterThresholds.push_back(&line);
            else if (const Setting* s = fileSetting(line.key))
                applyValue(w, *s, line.value);
        }
        w.services.loop.processEvents();
    }
    for (const ConfigLine* line : afterThresholds) {
        applyValue(w, *fileSetting(line->key), line->value);
        w.services.loop.processEvents();
    }
}

}  // namespace files
