#include "files/config_writer.h"

#include "editor/catalogue.h"
#include "ui/cp1251.h"
#include "files/number_text.h"
#include "platform/error.h"

namespace files {
namespace {

bool fileNameCanHold(char c)
{
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F)
        return false;
    for (char bad : {'/', '\\', ':', '*', '?', '"', '<', '>', '|'})
        if (c == bad)
            return false;
    return true;
}

}  // namespace

std::vector<ConfigEntry> configurationEntries(const editor::MainWindow& w)
{
    std::vector<ConfigEntry> entries;
    for (const editor::Setting& s : editor::catalogue()) {
        if (s.fileLine == 0)
            continue;
        entries.emplace_back(s.key, editor::readValue(w, s));
    }
    return entries;
}

std::string encodeConfiguration(const std::vector<ConfigEntry>& entries)
{
    std::string bytes;
    for (const auto& [key, value] : entries)
        bytes += ui::cp1251::fromUtf8(key) + '\t' + ui::cp1251::fromUtf8(value) + "\r\n";
    return bytes;
}

void clampLowBattery(editor::MainWindow& w)
{
    ui::TextField& low = w.text("Text_lev_low_batt");
    const ui::TextField& supply = w.text("Text_lev_12v");
    try {
        if (number_text::toInt16(low.text()) > number_text::toInt16(supply.text()))
            low.setText(supply.text());
    } catch (const platform::Error&) {
        // Not whole numbers: nothing to compare.
    }
}

std::string proposedFileName(const editor::MainWindow& w)
{
    const auto& services = w.services;
    std::string stamp = services.regional.dateTimeText(services.clock.now());
    std::string name = w.label("Label_ID").caption() + "_";
    for (char c : stamp) {
        if (c == '.' || c == ':')
            continue;
        name += c == ' ' ? '_' : c;
    }
    for (char& c : name)
        if (!fileNameCanHold(c))
            c = '_';
    return name;
}

}  // namespace files
