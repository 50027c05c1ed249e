#include "qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt/unhandled.h"

namespace qt {

QtEventLoop::QtEventLoop() { clock_.start(); }

QtEventLoop::~QtEventLoop()
{
    for (auto& [id, timer] : timers_)
        timer->stop();
}

platform::EventLoop::TimerId QtEventLoop::createTimer(std::function<void()> onTick)
{
    TimerId id = nextId_++;
    auto* timer = new QTimer(&context_);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [tick = std::move(onTick)] { guarded(tick); });
    timers_[id] = timer;
    return id;
}

void QtEventLoop::setTimerInterval(TimerId id, int milliseconds)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    if (milliseconds <= 0)
        it->second->stop();
    else
        it->second->start(milliseconds);  // restarts the count from now
}

void QtEventLoop::destroyTimer(TimerId id)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    QTimer* timer = it->second;
    timers_.erase(it);
    timer->stop();
    timer->disconnect();
    // The timer may be destroyed from its own tick.
    timer->deleteLater();
}

void QtEventLoop::callLater(int milliseconds, std::function<void()> fn)
{
    QTimer::singleShot(milliseconds > 0 ? milliseconds : 0, Qt::PreciseTimer, &context_,
                       [fn = std::move(fn)] { guarded(fn); });
}

void QtEventLoop::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventLoop::waitUntil(const std::function<bool()>& condition)
{
    // Everything that can make the condition true runs on this thread as
    // an event, so sleeping until the next event wastes no time.
    while (!condition())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

platform::EventLoop::Millis QtEventLoop::now() const { return Millis(clock_.elapsed()); }

}  // namespace qt
