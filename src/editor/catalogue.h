#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/main_window.h"

namespace editor {

// Factory values of the web server settings: an operator's access point
// name and the fixed address of the server that receives the reports.
inline constexpr const char* kDefaultAccessPoint = "internet";
inline constexpr const char* kDefaultServerAddress = "192.0.2.10";

// The kinds of setting values, as the configuration file names them.
enum class ValueKind { Text, CheckState, ListIndex, EnabledFlag, MarkMask, CellText, Colour };

// One setting: its key and how the key reaches its control. This table is
// the one place that knows it; images, files and captions go through it.
struct Setting {
    std::string key;      // SettingKey, e.g. "Form1.MSFlexGrid_z_o.Row = 1"
    ValueKind kind;
    std::string control;  // control name, e.g. "Text_pin", "phone(9)", "MSFlexGrid_z_o", "Label8"
    // Mark masks: bit k is cell (line, firstCell + k) of a row key, or
    // cell (firstCell + k, line) of a column key.
    bool isRow = false;
    int line = 0;
    int firstCell = 0;
    // Cell text: the cell.
    int row = 0, col = 0;
    // Line of the configuration file (1 to 198), 0 when the file has none.
    int fileLine = 0;
    // The factory value, written as the configuration file writes it.
    std::string defaultValue;
};

// Every setting: first the 198 of the configuration file in file order,
// then those the file does not carry.
const std::vector<Setting>& catalogue();
// The setting with that exact key, or nullptr.
const Setting* findSetting(std::string_view key);

// Mark masks: 0 to 255, bit k set when its cell holds exactly "v".
int readMask(const MainWindow& w, const Setting& s);
// Writes all eight cells ("v" or empty), highest bit first; no reaction runs.
void writeMask(MainWindow& w, const Setting& s, int mask);
// The grid cell that holds bit k of a mark-mask setting.
std::pair<int, int> maskCell(const Setting& s, int bit);

// The value a setting holds now, as text in the form the configuration
// file uses: the text, the list index (-1 for none), 0/1 for check states
// and enabled flags, the mask in decimal, the cell text, the colour code.
std::string readValue(const MainWindow& w, const Setting& s);

}  // namespace editor
