#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <utility>

#include "platform/event_loop.h"

namespace sim {

// An event loop in real time for programs without a window toolkit: timers
// and delayed calls on the steady clock, and file descriptors watched for
// readability with poll().
class PollEventLoop : public platform::EventLoop {
public:
    PollEventLoop();

    TimerId createTimer(std::function<void()> onTick) override;
    void setTimerInterval(TimerId id, int milliseconds) override;
    void destroyTimer(TimerId id) override;
    void callLater(int milliseconds, std::function<void()> fn) override;
    void processEvents() override;
    void waitUntil(const std::function<bool()>& condition) override;
    Millis now() const override;

    // Calls onReadable whenever the descriptor has data (or hung up).
    void watch(int fd, std::function<void()> onReadable);
    void unwatch(int fd);

    // Runs until stop() is called.
    void run();
    void stop() { stopped_ = true; }

private:
    struct Timer {
        std::function<void()> onTick;
        int interval = 0;
        Millis due{0};
    };

    // Waits at most `timeout` for a descriptor, then runs what is due.
    void runOnce(Millis timeout);
    void runDue();
    Millis nextDeadline() const;

    std::chrono::steady_clock::time_point start_;
    bool stopped_ = false;
    int nextTimerId_ = 1;
    std::map<TimerId, Timer> timers_;
    long sequence_ = 0;
    std::multimap<std::pair<Millis, long>, std::function<void()>> calls_;
    std::map<int, std::function<void()>> watched_;
};

}  // namespace sim
