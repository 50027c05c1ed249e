#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {
namespace {

constexpr int SlotLeft = 9480;
constexpr int SlotWidth = 2415;
constexpr int SlotHeight = 495;

struct Slot {
    const char* name;
    int top;  // board q: the pin table counts from the bottom
    const char* drawing;
};

constexpr Slot Slots[] = {
    {"Picture_out3", 1320, "empty"}, {"Picture_out2", 1800, "empty"},  {"Picture_out1", 2280, "empty"},
    {"Picture_gnd2", 2760, "ground"}, {"Picture_z4", 3240, "empty"},   {"Picture_z3", 3720, "empty"},
    {"Picture_z2", 4200, "empty"},    {"Picture_z1", 4680, "empty"},   {"Picture_gnd1", 5160, "ground"},
    {"Picture_12v", 5640, "supply"},
};

}  // namespace

void addDiagramTab(std::vector<ui::ControlSpec>& out)
{
    const int t = TabDiagram;
    out.push_back(picture("Picture_vyr_q", t, {480, 720, 7215, 6135}, "board_q"));
    out.push_back(hidden(picture("Picture_vyr_qn", t, {2400, 480, 5295, 5775}, "board_qn")));
    out.push_back(hidden(picture("Picture_vyr_qn_termo", t, {120, 720, 2295, 3015}, "board_qn_termo")));
    out.push_back(picture("Picture_dallas", t, {960, 360, 2055, 375}, "ds1821"));

    // Not a setting: which board the diagram shows.
    out.push_back(list("Combo_vyr_type", t, {7920, 600, 1560, 315}, "плата тип q"));
    // Rows 0 and 1 are one unit high, so row 2 lines up with the first slot.
    out.push_back(grid("MSFlexGrid_pins", t, {SlotLeft - 1695, 1300, 1695, 4850}, 12, 2, 0, 0));
    for (const Slot& slot : Slots)
        out.push_back(picture(slot.name, t, {SlotLeft, slot.top, SlotWidth, SlotHeight}, slot.drawing));
}

}  // namespace editor::layout
