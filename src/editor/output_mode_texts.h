#pragma once
#include <string>
#include <string_view>

// The sixteen modes of an output: the entry texts of the mode lists and
// the tooltip each mode gives its list.
namespace editor {

constexpr int OutputModeCount = 16;

// Entry text of mode 0 to 15.
std::string_view output_mode_entry(int mode);

// Tooltip of output `output`'s mode list (1 to 3) in `mode`; `setPoint` is
// the text of the external thermostat's set point, used by mode 14.
// Empty outside 0 to 15.
std::string output_mode_tooltip(int mode, int output, const std::string& setPoint);

}  // namespace editor
