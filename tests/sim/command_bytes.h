#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/bytes.h"

// The configurator's commands as the panel hears them, written out byte by
// byte for the simulator's tests.
namespace sim_test {

using platform::Bytes;

inline Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline const Bytes Poll{0x01, 0x01, 0x04, 0x08, 0x0A, 0x0C};
inline const Bytes Read{0x01, 0x01, 0x01, 0x09, 0x0B, 0x0D};
inline const Bytes WriteHeader{0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0E};
inline const std::string ClockCommandText = "AT+CCLK=\"10/12/09,14:05:33+00\"";
inline const Bytes ClockText = platform::bytesOf(ClockCommandText);
inline const Bytes SetClock = cat({{0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C}, ClockText, {0x0D, 0x00}});
inline Bytes setOutputs(std::uint8_t state) { return {0x01, 0x01, 0x01, 0x01, 0x02, 0x08, state}; }
inline const Bytes SetOutputs = setOutputs(0x85);

}  // namespace sim_test
