#pragma once
#include <string>

namespace platform {

// A line settings string such as "9600,n,8,1": speed, parity letter
// (n, e, o, m, s), data bits (5 to 8), stop bits (1, 1.5, 2).
struct PortSettings {
    int baud = 9600;
    char parity = 'n';
    int dataBits = 8;
    double stopBits = 1;

    // Refuses a malformed string with platform::Error (invalid property value).
    static PortSettings parse(const std::string& text);
    // Line time of one byte: start bit, data bits, parity bit, stop bits.
    int bitsPerByte() const;
};

}  // namespace platform
