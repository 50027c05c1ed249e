#pragma once
#include <chrono>
#include <string>

#include "platform/bytes.h"
#include "sim/device.h"

namespace sim {

// A pseudo-terminal that stands in for a serial device: a program opens
// devicePath() as its serial port, and the simulated device reads and
// writes the other end. The line is raw, so every byte passes unchanged.
class PseudoTerminal : public LineEnd {
public:
    // Throws std::runtime_error when the system gives no pseudo-terminal.
    PseudoTerminal();
    ~PseudoTerminal() override;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& devicePath() const { return path_; }
    // The device's end, to watch for readability.
    int deviceFd() const { return master_; }
    // What the computer has written and the device has not read yet.
    platform::Bytes readFromComputer();
    // Writes at once; bytes the other side has left unread for a long time
    // (nobody has the port open) are discarded first, so a program that
    // opens the port late does not receive a backlog of stale frames.
    void sendToComputer(const platform::Bytes& bytes) override;

private:
    int master_ = -1;
    // Held open so that the raw mode stays and the device's end never sees
    // a hang-up while no program has the port open.
    int slave_ = -1;
    std::string path_;
    std::chrono::steady_clock::time_point lastSend_;
};

}  // namespace sim
