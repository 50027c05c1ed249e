#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window.h"
#include "platform/error.h"

// Reading a configuration file back into the editor. A file is first
// checked as a whole and applied only when every line it would apply holds
// a value its field accepts, so a damaged file never leaves the editor half
// old, half new.
namespace files {

// One line of the file: the key before the first TAB, the value after it
// (further TABs stay in the value). A line without TAB has no key.
struct ConfigLine {
    int number = 0;  // from 1
    bool hasTab = false;
    std::string key, value;  // UTF-8
};

std::vector<ConfigLine> splitConfiguration(std::string_view bytes);

// The older key that names no control; it maps onto the temperature grid.
inline constexpr std::string_view kOlderGsmTemperatureKey = "Form1.Check_sms_gsm.Value";

// Whether the reader applies lines with this key (exact, case-sensitive).
bool isReadableKey(std::string_view key);

// The cells of a mark mask, bit 0 first, decomposed from the highest bit
// down as the file format defines it (256 marks all eight, -1 none): a cell
// is marked when the remaining value divided by its bit's weight is positive.
// Raises platform::Error when the value is no number.
std::array<bool, 8> decomposeMask(std::string_view value);

// The first line whose value its field would refuse.
struct LoadFault {
    int line = 0;
    std::string key;
    platform::Error error;
};
std::optional<LoadFault> checkConfiguration(const editor::MainWindow& w, const std::vector<ConfigLine>& lines);

// Applies the readable lines in file order, each through its control's own
// entry point so that its reaction runs, letting pending events run after
// every line. The two input-type lists of inputs 6 and 8 are applied after
// all other lines, so that the thresholds they follow are already in place.
// Lines must have passed checkConfiguration.
void applyConfiguration(editor::MainWindow& w, const std::vector<ConfigLine>& lines);

}  // namespace files
