#pragma once
#include <QSerialPort>
#include <string>

#include "platform/port_settings.h"
#include "platform/serial_port.h"

namespace qt {

// The serial port on QSerialPort. Port number n is the n-th serial port of
// the system: "COMn" on Windows, /dev/ttyS(n-1) elsewhere.
class QtSerialPort : public platform::SerialPort {
public:
    QtSerialPort();

    void setPortNumber(int number) override;
    void setDevicePath(const std::string& path) override;
    void setSettings(const std::string& settings) override;
    void setHandshaking(int mode) override;
    void open() override;
    bool isOpen() const override { return port_.isOpen(); }

    int outBufferCount() const override;
    void write(const platform::Bytes& bytes) override;
    platform::Bytes readAll() override;

    // The device the next open() uses.
    const std::string& devicePath() const { return path_; }
    static std::string pathOfPortNumber(int number);

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::string path_;
    platform::PortSettings settings_;
    int handshaking_ = 0;
};

}  // namespace qt
