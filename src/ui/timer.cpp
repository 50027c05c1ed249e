#include "ui/timer.h"

namespace ui {

Timer::Timer(const ControlSpec& spec, platform::EventLoop& loop) : Control(spec), loop_(loop)
{
    id_ = loop_.createTimer([this] {
        if (onTick)
            onTick();
    });
    setInterval(spec.interval);
}

Timer::~Timer() { loop_.destroyTimer(id_); }

void Timer::setInterval(int milliseconds)
{
    interval_ = milliseconds > 0 ? milliseconds : 0;
    loop_.setTimerInterval(id_, interval_);
}

}  // namespace ui
