#pragma once
#include <string>
#include <utility>
#include <vector>

#include "editor/main_window.h"

// The configuration file (*.cfq): one line per setting, key TAB value CR LF,
// in the catalogue's file order, Windows-1251.
namespace files {

using ConfigEntry = std::pair<std::string, std::string>;  // key, value (UTF-8)

// The settings of the file as the editor holds them now, in file order.
std::vector<ConfigEntry> configurationEntries(const editor::MainWindow& w);
// The file's bytes for those entries.
std::string encodeConfiguration(const std::vector<ConfigEntry>& entries);

// The low-battery threshold may not exceed the external supply threshold
// when saving: a larger one takes the supply threshold's text. Fields that
// do not hold whole numbers are left as they are.
void clampLowBattery(editor::MainWindow& w);

// The name proposed for a new file: the device identifier, "_", and the
// local date and time without "." and ":", blanks turned into "_"; any
// other character a file name cannot hold also becomes "_".
std::string proposedFileName(const editor::MainWindow& w);

}  // namespace files
