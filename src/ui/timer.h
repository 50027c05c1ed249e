#pragma once
#include "platform/event_loop.h"
#include "ui/control.h"

namespace ui {

// A window timer: it ticks every `interval` milliseconds; 0 stops it.
class Timer : public Control {
public:
    Timer(const ControlSpec& spec, platform::EventLoop& loop);
    ~Timer() override;

    int interval() const { return interval_; }
    // Sets the interval and restarts the count from now; 0 stops the timer.
    void setInterval(int milliseconds);

    std::function<void()> onTick;

private:
    platform::EventLoop& loop_;
    platform::EventLoop::TimerId id_;
    int interval_ = 0;
};

}  // namespace ui
