#include "platform/virtual_event_loop.h"

#include <limits>
#include <vector>

namespace platform {

EventLoop::TimerId VirtualEventLoop::createTimer(std::function<void()> onTick)
{
    TimerId id = nextTimerId_++;
    timers_[id].onTick = std::move(onTick);
    return id;
}

void VirtualEventLoop::setTimerInterval(TimerId id, int milliseconds)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second.interval = milliseconds > 0 ? milliseconds : 0;
    it->second.due = now_ + Millis(it->second.interval);
    it->second.generation = ++sequence_;
}

void VirtualEventLoop::destroyTimer(TimerId id) { timers_.erase(id); }

void VirtualEventLoop::callLater(int milliseconds, std::function<void()> fn)
{
    Millis due = now_ + Millis(milliseconds > 0 ? milliseconds : 0);
    calls_.emplace(std::make_pair(due, ++sequence_), Call{std::move(fn)});
}

void VirtualEventLoop::runDueCalls()
{
    // Only what is pending at entry runs; calls posted meanwhile wait for
    // the next pass, as with a real window's event queue.
    long limit = sequence_;
    std::vector<std::function<void()>> due;
    for (auto it = calls_.begin(); it != calls_.end() && it->first.first <= now_;) {
        if (it->first.second <= limit) {
            due.push_back(std::move(it->second.fn));
            it = calls_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& fn : due)
        fn();
}

void VirtualEventLoop::processEvents()
{
    runDueCalls();
    std::vector<TimerId> dueTimers;
    for (auto& [id, timer] : timers_)
        if (timer.interval > 0 && timer.due <= now_)
            dueTimers.push_back(id);
    for (TimerId id : dueTimers) {
        auto it = timers_.find(id);
        if (it == timers_.end() || it->second.interval == 0 || it->second.due > now_)
            continue;
        it->second.due = now_ + Millis(it->second.interval);
        it->second.generation = ++sequence_;
        auto tick = it->second.onTick;
        tick();
    }
}

bool VirtualEventLoop::fireNext(Millis until)
{
    Millis best = Millis::max();
    long bestSeq = std::numeric_limits<long>::max();
    TimerId bestTimer = 0;
    bool isCall = false;
    if (!calls_.empty()) {
        best = calls_.begin()->first.first;
        bestSeq = calls_.begin()->first.second;
        isCall = true;
    }
    for (auto& [id, timer] : timers_) {
        if (timer.interval == 0)
            continue;
        if (timer.due < best || (timer.due == best && timer.generation < bestSeq)) {
            best = timer.due;
            bestSeq = timer.generation;
            bestTimer = id;
            isCall = false;
        }
    }
    if (best == Millis::max() || best > until)
        return false;
    if (best > now_)
        now_ = best;
    if (isCall) {
        auto fn = std::move(calls_.begin()->second.fn);
        calls_.erase(calls_.begin());
        fn();
    } else {
        Timer& timer = timers_[bestTimer];
        timer.due = now_ + Millis(timer.interval);
        timer.generation = ++sequence_;
        auto tick = timer.onTick;
        tick();
    }
    return true;
}

void VirtualEventLoop::waitUntil(const std::function<bool()>& condition)
{
    Millis start = now_;
    while (!condition()) {
        processEvents();
        if (condition())
            return;
        if (now_ - start > waitLimit_)
            throw Deadlock("a wait did not end within the virtual time limit");
        if (!fireNext(Millis::max()))
            throw Deadlock("a wait can never end: nothing is pending");
    }
}

void VirtualEventLoop::runFor(Millis span)
{
    Millis end = now_ + span;
    while (fireNext(end)) {
    }
    if (now_ < end)
        now_ = end;
}

bool VirtualEventLoop::runUntil(const std::function<bool()>& condition, Millis limit)
{
    Millis end = now_ + limit;
    while (!condition()) {
        if (!fireNext(end)) {
            if (now_ < end)
                now_ = end;
            return condition();
        }
    }
    return true;
}

}  // namespace platform
