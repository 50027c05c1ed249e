#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

enum class Kind { TabControl, TextField, CheckBox, List, Label, Button, Grid, Picture, Image, Line, Timer };

// Place and size in 1/1440 inch (twips): left, top, width x height.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// System colours as the window toolkit encodes them (signed 32-bit).
namespace color {
constexpr std::int32_t Highlight = -2147483635;
constexpr std::int32_t ButtonFace = -2147483633;
constexpr std::int32_t WindowBackground = -2147483643;
}  // namespace color

// One row of a window table: everything the view needs to build the
// control and everything the model needs to start it.
struct ControlSpec {
    Kind kind = Kind::Label;
    std::string name;  // "Text_pin", or name plus index as in "phone(9)"
    int tab = -1;      // tab page index of the tab control, -1 outside the tabs
    Rect place;
    std::string caption;  // caption, start text, or design text of a list
    bool enabled = true;
    bool visible = true;
    std::string toolTip;

    // Kind-specific details.
    bool multiLine = false;   // text field with a vertical scroll bar
    bool wordWrap = false;    // label
    bool bold = false;
    int fontPoints = 0;       // 0: the window's font
    int alignment = 0;        // 0 left, 1 right, 2 centre
    std::int32_t backColor = color::ButtonFace;
    bool transparent = true;  // label without its own background
    int rows = 0, cols = 0, fixedRows = 0, fixedCols = 0;  // grid
    int interval = 0;                                      // timer, ms
    std::vector<std::string> tabs;                         // tab control captions
    std::string picture;                                   // picture: drawing shown
    bool vertical = false;                                 // line
    int thickness = 1;                                     // line
};

// "phone" and 9 give "phone(9)".
inline std::string indexed(const std::string& name, int index)
{
    return name + "(" + std::to_string(index) + ")";
}

}  // namespace ui
