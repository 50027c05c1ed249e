#pragma once
#include "platform/bytes.h"

namespace sim {

// The device's side of a simulated serial line: how it sends to the computer.
class LineEnd {
public:
    virtual ~LineEnd() = default;
    // Bytes start on the line now and reach the computer after their line time.
    virtual void sendToComputer(const platform::Bytes& bytes) = 0;
};

// A simulated device at the far end of a serial line.
class Device {
public:
    virtual ~Device() = default;
    // Called when the computer opens its port; the device may start talking.
    virtual void attach(LineEnd& line) = 0;
    // Bytes from the computer, as they finish arriving on the line.
    virtual void receiveFromComputer(const platform::Bytes& bytes) = 0;
};

}  // namespace sim
