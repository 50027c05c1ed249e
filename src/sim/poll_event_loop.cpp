#include "sim/poll_event_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace sim {
namespace {

// Waits never block longer than this, so a stop request is seen soon.
constexpr PollEventLoop::Millis LongestWait{500};

}  // namespace

PollEventLoop::PollEventLoop() : start_(std::chrono::steady_clock::now()) {}

PollEventLoop::Millis PollEventLoop::now() const
{
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - start_);
}

PollEventLoop::TimerId PollEventLoop::createTimer(std::function<void()> onTick)
{
    TimerId id = nextTimerId_++;
    timers_[id].onTick = std::move(onTick);
    return id;
}

void PollEventLoop::setTimerInterval(TimerId id, int milliseconds)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second.interval = std::max(milliseconds, 0);
    it->second.due = now() + Millis(it->second.interval);
}

void PollEventLoop::destroyTimer(TimerId id) { timers_.erase(id); }

void PollEventLoop::callLater(int milliseconds, std::function<void()> fn)
{
    calls_.emplace(std::make_pair(now() + Millis(std::max(milliseconds, 0)), ++sequence_), std::move(fn));
}

void PollEventLoop::watch(int fd, std::function<void()> onReadable) { watched_[fd] = std::move(onReadable); }

void PollEventLoop::unwatch(int fd) { watched_.erase(fd); }

PollEventLoop::Millis PollEventLoop::nextDeadline() const
{
    Millis next = Millis::max();
    if (!calls_.empty())
        next = calls_.begin()->first.first;
    for (const auto& [id, timer] : timers_)
        if (timer.interval > 0)
            next = std::min(next, timer.due);
    return next;
}

void PollEventLoop::runDue()
{
    const Millis t = now();
    // Only what is pending now runs; calls posted meanwhile wait for the next pass.
    const long limit = sequence_;
    std::vector<std::function<void()>> due;
    for (auto it = calls_.begin(); it != calls_.end() && it->first.first <= t;) {
        if (it->first.second <= limit) {
            due.push_back(std::move(it->second));
            it = calls_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& fn : due)
        fn();

    std::vector<TimerId> dueTimers;
    for (const auto& [id, timer] : timers_)
        if (timer.interval > 0 && timer.due <= t)
            dueTimers.push_back(id);
    for (TimerId id : dueTimers) {
        auto it = timers_.find(id);
        if (it == timers_.end() || it->second.interval == 0 || it->second.due > t)
            continue;
        it->second.due = now() + Millis(it->second.interval);
        auto tick = it->second.onTick;
        tick();
    }
}

void PollEventLoop::runOnce(Millis timeout)
{
    std::vector<pollfd> fds;
    for (const auto& [fd, callback] : watched_)
        fds.push_back(pollfd{fd, POLLIN, 0});

    const Millis next = nextDeadline();
    Millis wait = std::min(timeout, LongestWait);
    if (next != Millis::max())
        wait = std::min(wait, std::max(next - now(), Millis(0)));

    int ready = ::poll(fds.data(), fds.size(), static_cast<int>(wait.count()));
    if (ready > 0) {
        for (const pollfd& p : fds) {
            if (!(p.revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            auto it = watched_.find(p.fd);
            if (it == watched_.end())
                continue;  // unwatched by an earlier callback
            auto callback = it->second;
            callback();
        }
    }
    runDue();
}

void PollEventLoop::processEvents() { runOnce(Millis(0)); }

void PollEventLoop::waitUntil(const std::function<bool()>& condition)
{
    while (!condition())
        runOnce(LongestWait);
}

void PollEventLoop::run()
{
    stopped_ = false;
    while (!stopped_)
        runOnce(LongestWait);
}

}  // namespace sim
