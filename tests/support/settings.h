#pragma once
#include <map>
#include <stdexcept>
#include <string>

#include "editor/catalogue.h"
#include "editor/main_window.h"

namespace support {

// The value of one setting of the catalogue in the window now.
inline std::string settingValue(const editor::MainWindow& w, const std::string& key)
{
    const editor::Setting* s = editor::findSetting(key);
    if (!s)
        throw std::out_of_range("no setting " + key);
    return editor::readValue(w, *s);
}

// Every setting of the catalogue with its value in the window now.
inline std::map<std::string, std::string> allSettings(const editor::MainWindow& w)
{
    std::map<std::string, std::string> values;
    for (const editor::Setting& s : editor::catalogue())
        values[s.key] = editor::readValue(w, s);
    return values;
}

}  // namespace support
