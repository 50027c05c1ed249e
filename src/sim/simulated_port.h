#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/port_settings.h"
#include "platform/serial_port.h"
#include "sim/device.h"

namespace sim {

// A serial port wired in-process to a simulated device. The line is
// modelled in virtual time: each byte takes 10 bit times (start, 8 data,
// stop) at the set baud rate in each direction, so paced sending and
// transfer times behave as on a real line.
class SimulatedPort : public platform::SerialPort, private LineEnd {
public:
    SimulatedPort(platform::EventLoop& loop, Device& device);
    ~SimulatedPort() override;
    SimulatedPort(const SimulatedPort&) = delete;
    SimulatedPort& operator=(const SimulatedPort&) = delete;

    void setPortNumber(int number) override;
    void setDevicePath(const std::string& path) override;
    void setSettings(const std::string& settings) override;
    void setHandshaking(int mode) override;
    void open() override;
    bool isOpen() const override { return open_; }
    int outBufferCount() const override;
    void write(const platform::Bytes& bytes) override;
    platform::Bytes readAll() override;

    // Test knobs.
    // The next open fails with this error number and description.
    void failOpen(int number, const std::string& description);
    // Reports a line error event to the program.
    void injectLineError(platform::PortEvent event);
    // Everything the program has written, in order.
    const platform::Bytes& written() const { return written_; }
    void clearWritten() { written_.clear(); }
    // Every write call with the virtual time it was made at.
    struct Write {
        std::chrono::milliseconds at;
        platform::Bytes bytes;
    };
    const std::vector<Write>& writes() const { return writes_; }

    int portNumber() const { return portNumber_; }
    const std::string& devicePath() const { return devicePath_; }
    const platform::PortSettings& settings() const { return settings_; }
    int handshaking() const { return handshaking_; }

private:
    void sendToComputer(const platform::Bytes& bytes) override;
    // Microseconds one byte takes on the line.
    long byteMicros() const;
    // Puts bytes on one direction of the line after what is already on it;
    // the bytes that finish within the same millisecond arrive together.
    void scheduleOnLine(const platform::Bytes& bytes, long& lineFreeMicros,
                        std::function<void(const platform::Bytes&)> arrive);

    platform::EventLoop& loop_;
    Device& device_;
    platform::PortSettings settings_;
    int portNumber_ = 1;
    std::string devicePath_;
    int handshaking_ = 0;
    bool open_ = false;
    std::optional<std::pair<int, std::string>> openFailure_;

    // Computer to device: bytes queued for the line, and when it is free.
    long outQueued_ = 0;
    long outLineFreeMicros_ = 0;
    // Device to computer.
    long inLineFreeMicros_ = 0;
    platform::Bytes received_;

    platform::Bytes written_;
    std::vector<Write> writes_;

    // Cleared on destruction, so that arrivals still pending in the loop
    // do not reach a port that is gone.
    std::shared_ptr<bool> alive_;
};

}  // namespace sim
