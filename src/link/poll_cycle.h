#pragma once
#include "editor/main_window.h"
#include "link/port_link.h"
#include "link/status_display.h"

namespace devlink {

// The poll cycle `view_buffer`: every 2 s it works through what the panel has
// sent and, when a whole status frame is there, sends exactly one command,
// the pending one of highest priority or the keep-alive. The request buttons
// only raise pending flags and lock the working controls; the answers
// unlock them.
class PollCycle {
public:
    // Hooks Timer_period, Timer_time_out, Timer_help, the request buttons and
    // the help window's close button.
    PollCycle(editor::MainWindow& window, PortLink& port, StatusDisplay& display);

    static constexpr std::size_t BufferLimit = 9000;
    static constexpr std::size_t BufferKeep = 6600;

    // One cycle. A tick that comes while a cycle still runs (waiting inside a
    // send or a pause) is skipped.
    void view_buffer();
    bool cycleRunning() const { return running_; }

    void readRequest();
    void writeRequest();
    void setClockRequest();
    void timeOutExpired();
    void helpExpired();

private:
    void runCycle();
    void findFramesBeforeStatus();
    void answerStatusFrame();
    void dispatch();
    void keepAlive();
    void recover(const std::string& description);

    editor::MainWindow& w_;
    PortLink& port_;
    StatusDisplay& display_;
    bool running_ = false;
};

}  // namespace devlink
