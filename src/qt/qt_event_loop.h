#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <memory>

#include "platform/event_loop.h"

class QTimer;

namespace qt {

// The window thread's event loop on Qt: window timers are QTimers, waits
// keep running Qt's event processing until their condition holds. A wait
// may run inside a timer tick or a click, and another wait may run inside
// that one.
class QtEventLoop : public platform::EventLoop {
public:
    QtEventLoop();
    ~QtEventLoop() override;

    TimerId createTimer(std::function<void()> onTick) override;
    void setTimerInterval(TimerId id, int milliseconds) override;
    void destroyTimer(TimerId id) override;
    void callLater(int milliseconds, std::function<void()> fn) override;
    void processEvents() override;
    void waitUntil(const std::function<bool()>& condition) override;
    Millis now() const override;

private:
    QObject context_;  // owns the timers and outlives every pending call
    QElapsedTimer clock_;
    int nextId_ = 1;
    std::map<TimerId, QTimer*> timers_;
};

}  // namespace qt
