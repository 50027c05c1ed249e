// The real-time pieces of panelsim: the poll loop and the pseudo-terminal.
// Nothing here waits longer than a few milliseconds.

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "sim/panel.h"
#include "sim/poll_event_loop.h"
#include "sim/pseudo_terminal.h"

namespace sim {
namespace {

using platform::Bytes;
using std::chrono::milliseconds;

TEST(PollEventLoop, RunsCallsAndTimersAndWatchesDescriptors)
{
    PollEventLoop loop;
    std::vector<std::string> log;
    loop.callLater(0, [&] { log.push_back("call"); });
    loop.processEvents();
    EXPECT_EQ(log, std::vector<std::string>({"call"}));

    int ticks = 0;
    auto timer = loop.createTimer([&] { ++ticks; });
    loop.setTimerInterval(timer, 1);
    loop.waitUntil([&] { return ticks >= 3; });
    loop.setTimerInterval(timer, 0);
    loop.destroyTimer(timer);

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::string got;
    loop.watch(fds[0], [&] {
        char buffer[16];
        ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        got.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        loop.stop();
    });
    ASSERT_EQ(::write(fds[1], "ab", 2), 2);
    loop.run();  // ends when the watcher stops it
    EXPECT_EQ(got, "ab");
    loop.unwatch(fds[0]);
    ::close(fds[0]);
    ::close(fds[1]);
}

TEST(PseudoTerminal, PanelAnswersAProgramThatOpensTheDevicePath)
{
    PollEventLoop loop;
    Panel panel(loop);
    panel.thinkTimeMs = 0;
    std::unique_ptr<PseudoTerminal> made;
    try {
        made = std::make_unique<PseudoTerminal>();
    } catch (const std::runtime_error& e) {
        GTEST_SKIP() << "no pseudo-terminal on this machine: " << e.what();
    }
    PseudoTerminal& terminal = *made;
    loop.watch(terminal.deviceFd(), [&] { panel.receiveFromComputer(terminal.readFromComputer()); });
    panel.attach(terminal);

    int port = ::open(terminal.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(port, 0) << terminal.devicePath();
    // Every byte value passes unchanged: the command holds 0x0A, 0x0D and 0x00.
    const Bytes clock{0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C, 'A', 'T', 0x0D, 0x00};
    ASSERT_EQ(::write(port, clock.data(), clock.size()), static_cast<ssize_t>(clock.size()));

    const Bytes expected = [&] {
        Bytes b = panel.clockFrame();
        Bytes s = panel.statusFrame();
        b.insert(b.end(), s.begin(), s.end());
        return b;
    }();
    Bytes got;
    loop.watch(port, [&] {
        std::uint8_t buffer[256];
        ssize_t n = ::read(port, buffer, sizeof buffer);
        if (n > 0)
            got.insert(got.end(), buffer, buffer + n);
    });
    auto deadline = loop.now() + milliseconds(2000);
    loop.waitUntil([&] { return got.size() >= expected.size() || loop.now() > deadline; });
    EXPECT_EQ(got, expected);
    EXPECT_EQ(panel.lastClockCommandText(), "AT");
    loop.unwatch(port);
    ::close(port);
}

}  // namespace
}  // namespace sim
