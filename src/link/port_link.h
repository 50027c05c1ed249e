#pragma once
#include <string>

#include "editor/main_window.h"
#include "platform/serial_port.h"

namespace devlink {

// The serial port of the configurator: the connect and exit buttons, the
// receive handler that fills `Buffer`, and the ways to send and to wait.
// Every wait keeps the window's events running.
class PortLink {
public:
    // Hooks Cmd(0), Cmd(1), Timer_pause and the port's events.
    explicit PortLink(editor::MainWindow& window);

    // Entries of the port list that name ports by number ("COM1:" to "COM16:").
    static constexpr int NumberedPorts = 16;

    // One byte at a time, each after the port's transmit queue is empty.
    void sendPaced(const std::string& bytes);
    // All bytes in one write, after the transmit queue is empty.
    void sendWhole(const std::string& bytes);
    // Waits the given time on Timer_pause.
    void pause(int milliseconds);

    // The shared click handler of Cmd(0) (connect) and Cmd(1) (exit).
    void portButtonClick(int index);
    // Every event the port reports.
    void portEvent(platform::PortEvent event);

private:
    void openPort();
    void waitForEmptyTransmitQueue();

    editor::MainWindow& w_;
};

}  // namespace devlink
