#pragma once
#include <string>

#include "platform/serial_port.h"

namespace support {

// A serial port that is never opened: for windows without a line to a panel.
class NoPort : public platform::SerialPort {
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

}  // namespace support
