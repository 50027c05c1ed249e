#pragma once
#include <string>

#include "platform/serial_port.h"

namespace sim {

// A serial port with nothing on its line: for a window that never talks to
// a panel (benchmarks, fuzzing, tests of the editor alone).
class UnconnectedPort : public platform::SerialPort {
public:
    void setPortNumber(int) override {}
    void setDevicePath(const std::string&) override {}
    void setSettings(const std::string&) override {}
    void setHandshaking(int) override {}
    void open() override {}
    bool isOpen() const override { return false; }
    int outBufferCount() const override { return 0; }
    void write(const platform::Bytes&) override {}
    platform::Bytes readAll() override { return {}; }
};

}  // namespace sim
