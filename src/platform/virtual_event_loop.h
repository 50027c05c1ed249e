#pragma once
#include <map>
#include <memory>

#include "platform/event_loop.h"

namespace platform {

// An event loop in virtual time for tests. A wait runs what is pending,
// then advances the clock to the next deadline, makes that deadline "now"
// and fires it, so timers started inside a callback are measured from the
// right moment. Nested waits work: a callback may wait again.
class VirtualEventLoop : public EventLoop {
public:
    TimerId createTimer(std::function<void()> onTick) override;
    void setTimerInterval(TimerId id, int milliseconds) override;
    void destroyTimer(TimerId id) override;
    void callLater(int milliseconds, std::function<void()> fn) override;
    void processEvents() override;
    void waitUntil(const std::function<bool()>& condition) override;
    Millis now() const override { return now_; }

    // Advances virtual time by the given span, firing everything due.
    void runFor(Millis span);
    void runFor(int milliseconds) { runFor(Millis(milliseconds)); }
    // Runs until the condition holds or the limit of virtual time passes;
    // returns whether the condition holds.
    bool runUntil(const std::function<bool()>& condition, Millis limit);

    // Waits give up with Deadlock after this much virtual time.
    void setWaitLimit(Millis limit) { waitLimit_ = limit; }

private:
    struct Timer {
        std::function<void()> onTick;
        int interval = 0;
        Millis due{0};
        long generation = 0;
    };
    struct Call {
        std::function<void()> fn;
    };

    // Fires the earliest deadline not later than `until`; false if none.
    bool fireNext(Millis until);
    void runDueCalls();

    Millis now_{0};
    Millis waitLimit_{std::chrono::hours(24)};
    int nextTimerId_ = 1;
    std::map<TimerId, Timer> timers_;
    long sequence_ = 0;
    std::multimap<std::pair<Millis, long>, Call> calls_;
};

}  // namespace platform
