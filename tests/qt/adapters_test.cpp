#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/error.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_host.h"
#include "qt/qt_serial_port.h"
#include "qt_app.h"

namespace {

TEST(QtHostFilter, TurnsThePipeFormIntoQtFilters)
{
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        {"Файлы конфигурации (*.cfq)|*.cfq|", "Файлы конфигурации (*.cfq) (*.cfq)"},
        {"Config|*.cfq|All files|*.*|", "Config (*.cfq);;All files (*.*)"},
        {"Config|*.cfq", "Config (*.cfq)"},
        {"Pictures|*.jpg;*.png|", "Pictures (*.jpg *.png)"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qt::QtHost::qtFilter(c.given), QString(c.expected)) << c.given;
}

class QtEventLoopTest : public ::testing::Test {
protected:
    QtEventLoopTest() { qtApp(); }
    qt::QtEventLoop loop;
};

TEST_F(QtEventLoopTest, NestedWaitsEndInTurn)
{
    bool inner = false, outer = false, innerEndedFirst = false;
    int ticks = 0;
    auto timer = loop.createTimer([&] {
        ++ticks;
        if (ticks == 1) {
            // A wait inside a tick: the same timer keeps ticking meanwhile.
            loop.waitUntil([&] { return inner; });
            innerEndedFirst = !outer;
        }
    });
    loop.setTimerInterval(timer, 1);
    loop.callLater(5, [&] { inner = true; });
    loop.callLater(10, [&] { outer = true; });
    loop.waitUntil([&] { return outer && ticks >= 2; });
    EXPECT_TRUE(innerEndedFirst);
    loop.setTimerInterval(timer, 0);
    int stoppedAt = ticks;
    bool later = false;
    loop.callLater(5, [&] { later = true; });
    loop.waitUntil([&] { return later; });
    EXPECT_EQ(ticks, stoppedAt) << "an interval of 0 stops the timer";
    loop.destroyTimer(timer);
}

TEST_F(QtEventLoopTest, ATimerMayDestroyItselfInItsTick)
{
    int ticks = 0;
    platform::EventLoop::TimerId timer = 0;
    timer = loop.createTimer([&] {
        ++ticks;
        loop.destroyTimer(timer);
    });
    loop.setTimerInterval(timer, 1);
    bool done = false;
    loop.callLater(10, [&] { done = true; });
    loop.waitUntil([&] { return done; });
    EXPECT_EQ(ticks, 1);
}

TEST(QtSerialPortErrors, RefusesWhatCannotBeOpened)
{
    qtApp();
    qt::QtSerialPort port;
    EXPECT_THROW(port.setHandshaking(4), platform::Error);
    EXPECT_THROW(port.setSettings("9600,x,8,1"), platform::Error);
    EXPECT_THROW(port.setPortNumber(0), platform::Error);
    EXPECT_EQ(qt::QtSerialPort::pathOfPortNumber(16), "/dev/ttyS15");

    port.setDevicePath("/dev/no-such-serial-device");
    try {
        port.open();
        FAIL() << "a missing device opened";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::errc::InvalidPortNumber);
        EXPECT_NE(e.description().find("/dev/no-such-serial-device"), std::string::npos);
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_THROW(port.write({1}), platform::Error);
}

// A pseudo-terminal stands in for a serial line: the test plays the device
// on its master side.
TEST(QtSerialPortLine, CarriesBytesBothWays)
{
    qtApp();
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    std::string path = ::ptsname(master);

    qt::QtEventLoop loop;
    qt::QtSerialPort port;
    platform::Bytes received;
    port.onEvent = [&](platform::PortEvent event) {
        if (event == platform::PortEvent::Receive) {
            auto bytes = port.readAll();
            received.insert(received.end(), bytes.begin(), bytes.end());
        }
    };
    port.setDevicePath(path);
    port.setSettings("9600,n,8,1");
    port.setHandshaking(0);
    port.open();
    ASSERT_TRUE(port.isOpen());
    EXPECT_THROW(port.open(), platform::Error);

    const unsigned char fromDevice[] = {0x4C, 0x49, 0x00, 0xFF, 0x0A};
    ASSERT_EQ(::write(master, fromDevice, sizeof fromDevice), static_cast<ssize_t>(sizeof fromDevice));
    bool late = false;
    loop.callLater(2000, [&] { late = true; });
    loop.waitUntil([&] { return received.size() >= sizeof fromDevice || late; });
    EXPECT_EQ(received, platform::Bytes(fromDevice, fromDevice + sizeof fromDevice));

    port.write({0x50, 0x00, 0x81});
    loop.waitUntil([&] { return port.outBufferCount() == 0 || late; });
    unsigned char heard[8] = {};
    ssize_t n = ::read(master, heard, sizeof heard);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(heard[0], 0x50);
    EXPECT_EQ(heard[1], 0x00);
    EXPECT_EQ(heard[2], 0x81);
    ::close(master);
}

}  // namespace
