#include <gtest/gtest.h>

#include "platform/virtual_event_loop.h"

namespace {

using platform::VirtualEventLoop;
using Millis = std::chrono::milliseconds;

TEST(VirtualEventLoop, RepeatingTimerTicksAtItsIntervalAndStopsAtZero)
{
    VirtualEventLoop loop;
    std::vector<long> ticks;
    auto id = loop.createTimer([&] { ticks.push_back(loop.now().count()); });
    loop.setTimerInterval(id, 2000);
    loop.runFor(6500);
    EXPECT_EQ(ticks, (std::vector<long>{2000, 4000, 6000}));
    loop.setTimerInterval(id, 0);
    loop.runFor(10000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(VirtualEventLoop, WaitAdvancesToTheNextDeadlineAndTimersStartedInsideCountFromThere)
{
    VirtualEventLoop loop;
    bool done = false;
    long secondStart = -1;
    auto second = loop.createTimer([&] {
        done = true;
        loop.setTimerInterval(0, 0);
    });
    auto first = loop.createTimer([&] {
        secondStart = loop.now().count();
        loop.setTimerInterval(second, 500);
    });
    loop.setTimerInterval(first, 1000);
    loop.waitUntil([&] { return done; });
    EXPECT_EQ(secondStart, 1000);
    EXPECT_EQ(loop.now(), Millis(1500));
    (void)first;
}

TEST(VirtualEventLoop, NestedWaitsInsideCallbacksWork)
{
    VirtualEventLoop loop;
    bool inner = false, outer = false;
    loop.callLater(100, [&] {
        loop.callLater(300, [&] { inner = true; });
        loop.waitUntil([&] { return inner; });
        outer = true;
    });
    loop.waitUntil([&] { return outer; });
    EXPECT_EQ(loop.now(), Millis(400));
}

TEST(VirtualEventLoop, AWaitThatCanNeverEndIsReportedInsteadOfHanging)
{
    VirtualEventLoop loop;
    EXPECT_THROW(loop.waitUntil([] { return false; }), platform::Deadlock);
}

TEST(VirtualEventLoop, ProcessEventsRunsOnlyWhatIsDueNow)
{
    VirtualEventLoop loop;
    int ran = 0;
    loop.callLater(0, [&] { ++ran; });
    loop.callLater(10, [&] { ++ran; });
    loop.processEvents();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(loop.now(), Millis(0));
}

}  // namespace
