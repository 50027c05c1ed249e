#include "link/commands.h"

#include <cstdio>

namespace devlink {

namespace {

std::string bytes(std::initializer_list<unsigned char> values) { return std::string(values.begin(), values.end()); }

}  // namespace

std::string pollCommand() { return bytes({0x01, 0x01, 0x04, 0x08, 0x0A, 0x0C}); }

std::string readCommand() { return bytes({0x01, 0x01, 0x01, 0x09, 0x0B, 0x0D}); }

std::string setClockCommand(const platform::LocalDateTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "AT+CCLK=\"%02d/%02d/%02d,%02d:%02d:%02d+00\"", t.year % 100, t.month, t.day,
                  t.hour, t.minute, t.second);
    return bytes({0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C}) + text + bytes({0x0D, 0x00});
}

std::string setOutputsCommand(std::uint8_t state)
{
    return bytes({0x01, 0x01, 0x01, 0x01, 0x02, 0x08}) + static_cast<char>(state);
}

std::uint8_t takeOutputState(ui::Grid& grid)
{
    std::uint8_t state = 0;
    for (const OutputRow& r : OutputRows) {
        bool on = grid.cell(r.row, StateColumn) == "ВКЛ";
        const std::string& control = grid.cell(r.row, ControlColumn);
        bool ticked = control == "v";
        if ((on && control.empty()) || (!on && ticked))
            state |= r.bit;
        if (ticked)
            grid.setCell(r.row, ControlColumn, "");
    }
    return state;
}

}  // namespace devlink
