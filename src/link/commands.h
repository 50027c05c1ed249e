#pragma once
#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "ui/grid.h"

// The commands the configurator sends to the panel, as the bytes that go on
// the line (a std::string of single bytes).
namespace devlink {

// Keep-alive answer to a status frame.
std::string pollCommand();
// Asks for the configuration dump.
std::string readCommand();
// Sets the panel clock: AT+CCLK="yy/MM/dd,hh:mm:ss+00" framed by the
// command header and 0D 00.
std::string setClockCommand(const platform::LocalDateTime& now);
// Switches outputs 1 to 3 (bits 0 to 2) and the guard (bit 7).
std::string setOutputsCommand(std::uint8_t state);

// Rows of the status grid that carry the output and guard states, with
// their bit in the state byte.
struct OutputRow {
    int row;
    std::uint8_t bit;
};
inline constexpr OutputRow OutputRows[] = {{9, 0x01}, {10, 0x02}, {11, 0x04}, {13, 0x80}};
inline constexpr int StateColumn = 2;
inline constexpr int ControlColumn = 3;

// The state byte from the status grid: each row's current state ("ВКЛ" in
// the state column), inverted where the control column is ticked ("v").
// Empties every tick it reads.
std::uint8_t takeOutputState(ui::Grid& statusGrid);

}  // namespace devlink
