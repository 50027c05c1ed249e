#pragma once
#include <functional>
#include <string>

#include "platform/bytes.h"

namespace platform {

// What a port event reports: data arrived, or one of the line errors.
enum class PortEvent { Receive, Break, Framing, Overrun, ReceiveOverflow, Parity, TransmitOverflow };

// Flow control, in the order of the flow-control list: 0 none,
// 1 XON/XOFF, 2 RTS/CTS, 3 both.
enum class Handshaking { None = 0, XonXoff = 1, RtsCts = 2, RtsXonXoff = 3 };

// One serial port as the programs need it. Errors are platform::Error.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Port number n (1-based) names the n-th serial port of the system;
    // a device path names any port directly. The last call wins.
    virtual void setPortNumber(int number) = 0;
    virtual void setDevicePath(const std::string& path) = 0;
    // Refuses a malformed settings string.
    virtual void setSettings(const std::string& settings) = 0;
    // 0 to 3; refuses any other mode.
    virtual void setHandshaking(int mode) = 0;
    virtual void open() = 0;
    virtual bool isOpen() const = 0;

    // Bytes handed over but not yet sent on the line.
    virtual int outBufferCount() const = 0;
    virtual void write(const Bytes& bytes) = 0;
    // Everything received and not yet read.
    virtual Bytes readAll() = 0;

    // Called on the window thread for every arrival and line error.
    std::function<void(PortEvent)> onEvent;
};

}  // namespace platform
