#include "sim/simulated_port.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/error.h"
#include "platform/virtual_event_loop.h"

namespace sim {
namespace {

using platform::Bytes;
using std::chrono::milliseconds;

// A far end that records what reaches it and when.
struct RecordingDevice : Device {
    explicit RecordingDevice(platform::EventLoop& l) : loop(l) {}
    void attach(LineEnd& l) override
    {
        line = &l;
        ++attachCount;
    }
    void receiveFromComputer(const Bytes& bytes) override { arrivals.push_back({loop.now(), bytes}); }

    Bytes allReceived() const
    {
        Bytes all;
        for (const auto& a : arrivals)
            all.insert(all.end(), a.bytes.begin(), a.bytes.end());
        return all;
    }

    struct Arrival {
        milliseconds at;
        Bytes bytes;
    };
    platform::EventLoop& loop;
    LineEnd* line = nullptr;
    int attachCount = 0;
    std::vector<Arrival> arrivals;
};

Bytes counting(std::size_t n)
{
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

class SimulatedPortTest : public ::testing::Test {
protected:
    platform::VirtualEventLoop loop;
    RecordingDevice device{loop};
    SimulatedPort port{loop, device};

    void openAt(const char* settings)
    {
        port.setSettings(settings);
        port.open();
    }
};

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

TEST_F(SimulatedPortTest, RefusesBadSettingsAndHandshaking)
{
    EXPECT_EQ(errorNumberOf([&] { port.setSettings("9600,n,8"); }), 380);
    EXPECT_EQ(errorNumberOf([&] { port.setSettings("fast,n,8,1"); }), 380);
    EXPECT_EQ(port.settings().baud, 9600) << "a refused string changes nothing";
    port.setSettings("115200,e,7,2");
    EXPECT_EQ(port.settings().baud, 115200);
    EXPECT_EQ(port.settings().parity, 'e');

    for (int mode : {-1, 4})
        EXPECT_EQ(errorNumberOf([&] { port.setHandshaking(mode); }), 380) << mode;
    for (int mode : {0, 1, 2, 3}) {
        port.setHandshaking(mode);
        EXPECT_EQ(port.handshaking(), mode);
    }
}

TEST_F(SimulatedPortTest, OpenAttachesTheDeviceOnceAndRefusesASecondOpen)
{
    EXPECT_FALSE(port.isOpen());
    port.open();
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(device.attachCount, 1);
    try {
        port.open();
        FAIL() << "a second open must fail";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 8005);
        EXPECT_EQ(e.description(), "Port already open");
    }
    EXPECT_EQ(device.attachCount, 1);
}

TEST_F(SimulatedPortTest, InjectedOpenFailureHappensOnce)
{
    port.failOpen(8002, "Invalid port number");
    try {
        port.open();
        FAIL() << "the injected failure must be thrown";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 8002);
        EXPECT_EQ(e.description(), "Invalid port number");
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(device.attachCount, 0);
    port.open();
    EXPECT_TRUE(port.isOpen());
}

TEST_F(SimulatedPortTest, WritingToAClosedPortFails)
{
    EXPECT_EQ(errorNumberOf([&] { port.write({0x01}); }), 8012);
    EXPECT_TRUE(port.written().empty());
}

TEST_F(SimulatedPortTest, AWriteTakesTenBitTimesPerByte)
{
    struct Case {
        const char* settings;
        std::size_t bytes;
        long expectedMs;
    };
    for (Case c : {Case{"9600,n,8,1", 1024, 1067}, Case{"115200,n,8,1", 1024, 89}, Case{"2400,n,8,1", 64, 267},
                   Case{"9600,n,8,1", 1, 2}}) {
        platform::VirtualEventLoop caseLoop;
        RecordingDevice caseDevice{caseLoop};
        SimulatedPort casePort{caseLoop, caseDevice};
        casePort.setSettings(c.settings);
        casePort.open();
        casePort.write(counting(c.bytes));
        ASSERT_TRUE(caseLoop.runUntil([&] { return casePort.outBufferCount() == 0; }, milliseconds(10000)));
        EXPECT_EQ(caseLoop.now().count(), c.expectedMs) << c.settings << " " << c.bytes;
        EXPECT_EQ(caseDevice.allReceived(), counting(c.bytes)) << c.settings;
    }
}

TEST_F(SimulatedPortTest, OutBufferCountsDownAsBytesLeaveTheLine)
{
    openAt("9600,n,8,1");
    port.write(counting(1024));
    EXPECT_EQ(port.outBufferCount(), 1024);
    loop.runFor(500);
    // 500 ms hold 480 whole byte times of 1.0417 ms.
    EXPECT_EQ(port.outBufferCount(), 1024 - 480);
    EXPECT_EQ(device.allReceived().size(), 480u);
    loop.runFor(566);
    EXPECT_EQ(port.outBufferCount(), 1);
    loop.runFor(1);
    EXPECT_EQ(port.outBufferCount(), 0);
    // At 9600 baud no two bytes finish within the same millisecond.
    EXPECT_EQ(device.arrivals.size(), 1024u);
}

TEST_F(SimulatedPortTest, BytesFinishingInTheSameMillisecondArriveTogether)
{
    openAt("115200,n,8,1");
    port.write(counting(100));  // 86.8 us each: 11 or 12 per millisecond
    loop.runFor(100);
    ASSERT_EQ(device.arrivals.size(), 9u);
    EXPECT_EQ(device.arrivals.front().at, milliseconds(1));
    EXPECT_EQ(device.arrivals.front().bytes.size(), 11u);
    EXPECT_EQ(device.allReceived(), counting(100));
}

TEST_F(SimulatedPortTest, WritesQueueBehindEachOtherAndAreRecorded)
{
    openAt("9600,n,8,1");
    loop.runFor(5);
    port.write(counting(10));
    port.write(counting(10));
    EXPECT_EQ(port.outBufferCount(), 20);
    ASSERT_EQ(port.writes().size(), 2u);
    EXPECT_EQ(port.writes()[1].at, milliseconds(5));
    EXPECT_EQ(port.written().size(), 20u);
    ASSERT_TRUE(loop.runUntil([&] { return port.outBufferCount() == 0; }, milliseconds(100)));
    EXPECT_EQ(loop.now(), milliseconds(5 + 21));

    // After the line went idle a write starts afresh, with no time owed.
    loop.runFor(100);
    port.write(counting(1));
    ASSERT_TRUE(loop.runUntil([&] { return port.outBufferCount() == 0; }, milliseconds(100)));
    EXPECT_EQ(loop.now(), milliseconds(126 + 2));
    port.clearWritten();
    EXPECT_TRUE(port.written().empty());
}

TEST_F(SimulatedPortTest, DeviceBytesArriveWithLineTimeAndRaiseReceiveEvents)
{
    openAt("9600,n,8,1");
    std::vector<platform::PortEvent> events;
    port.onEvent = [&](platform::PortEvent e) { events.push_back(e); };
    device.line->sendToComputer(counting(5));
    loop.runFor(4);
    EXPECT_EQ(port.readAll(), counting(3)) << "the third byte finishes at 3.1 ms";
    EXPECT_TRUE(port.readAll().empty()) << "readAll empties the receive buffer";
    loop.runFor(10);
    EXPECT_EQ(port.readAll(), Bytes({3, 4}));
    EXPECT_EQ(events.size(), 5u);
    for (auto e : events)
        EXPECT_EQ(e, platform::PortEvent::Receive);
}

TEST_F(SimulatedPortTest, LineErrorsReachTheProgramWithoutTouchingTheData)
{
    openAt("9600,n,8,1");
    std::vector<platform::PortEvent> events;
    port.onEvent = [&](platform::PortEvent e) { events.push_back(e); };
    device.line->sendToComputer({0x41});
    loop.runFor(5);
    port.injectLineError(platform::PortEvent::Framing);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1], platform::PortEvent::Framing);
    EXPECT_EQ(port.readAll(), Bytes({0x41}));
}

TEST(SimulatedPortLifetime, BytesInFlightWhenThePortIsGoneAreDropped)
{
    platform::VirtualEventLoop loop;
    RecordingDevice device{loop};
    {
        SimulatedPort port{loop, device};
        port.open();
        port.write(counting(50));
        device.line->sendToComputer(counting(50));
        loop.runFor(10);
    }
    loop.runFor(1000);
    EXPECT_LT(device.allReceived().size(), 50u);
}

}  // namespace
}  // namespace sim
