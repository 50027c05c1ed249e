#pragma once
#include <chrono>
#include <functional>
#include <stdexcept>

namespace platform {

// Raised by a loop that can tell a wait will never end (the virtual-time
// loop of the tests: nothing is pending and no timer runs). It is not an
// error of the program's own, so error handlers let it pass.
class Deadlock : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The window thread's event processing: timers, "let pending events run
// once", and waits that keep processing events until a condition holds.
// Everything of the programs runs on this one thread.
class EventLoop {
public:
    using TimerId = int;
    using Millis = std::chrono::milliseconds;

    virtual ~EventLoop() = default;

    // A repeating timer; it does not run until an interval is set.
    virtual TimerId createTimer(std::function<void()> onTick) = 0;
    // Sets the interval and restarts the timer from now; 0 stops it.
    virtual void setTimerInterval(TimerId id, int milliseconds) = 0;
    virtual void destroyTimer(TimerId id) = 0;

    // Runs a function once, after the given delay, on the window thread.
    virtual void callLater(int milliseconds, std::function<void()> fn) = 0;

    // Lets the events that are pending now run once.
    virtual void processEvents() = 0;

    // Keeps processing events until the condition holds.
    virtual void waitUntil(const std::function<bool()>& condition) = 0;

    // Time since the loop started.
    virtual Millis now() const = 0;
};

}  // namespace platform
