#include "sim/panel.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "platform/virtual_event_loop.h"
#include "sim/simulated_port.h"

#include "command_bytes.h"

namespace sim {
namespace {

using platform::Bytes;
using std::chrono::milliseconds;

using namespace sim_test;

std::uint8_t sum8(const Bytes& bytes) { return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u)); }

bool startsAt(const Bytes& stream, std::size_t at, const Bytes& marker)
{
    return at + marker.size() <= stream.size() && std::equal(marker.begin(), marker.end(), stream.begin() + static_cast<long>(at));
}

// The frames in what the computer received, by name, in order. Each frame
// is skipped whole once found, so image bytes never count as markers.
std::vector<std::string> framesIn(const Bytes& stream)
{
    const Bytes statusEnd{'E', 'N', 0x05, 0x09};
    std::vector<std::string> frames;
    std::size_t i = 0;
    while (i < stream.size()) {
        if (startsAt(stream, i, {'L', 'I', 0x07, 'E'})) {
            frames.push_back("status");
            auto end = std::search(stream.begin() + static_cast<long>(i), stream.end(), statusEnd.begin(), statusEnd.end());
            i = static_cast<std::size_t>(end - stream.begin()) + statusEnd.size();
        } else if (startsAt(stream, i, {'L', 'O', 0x08, 0x02})) {
            frames.push_back(startsAt(stream, i + 1062, {'T', 'A', 'I', 'L', 0x01, 0x02, 0x03}) ? "dump" : "broken dump");
            i += 1069;
        } else if (startsAt(stream, i, {'C', 'L', 'K', ':'})) {
            frames.push_back("clock");
            i += 23;
        } else if (startsAt(stream, i, {'A', 'C', 0x03, 0x01})) {
            frames.push_back("ack");
            i += 4;
        } else if (startsAt(stream, i, {'N', 'K', 0x02, 0x06})) {
            frames.push_back("nak");
            i += 4;
        } else {
            ++i;
        }
    }
    return frames;
}

using Frames = std::vector<std::string>;

// A panel of its own on an open line, collecting what the computer receives.
struct FreshLine {
    FreshLine()
    {
        port.onEvent = [this](platform::PortEvent) {
            Bytes b = port.readAll();
            got.insert(got.end(), b.begin(), b.end());
        };
        port.open();
    }
    platform::VirtualEventLoop loop;
    Panel panel{loop};
    SimulatedPort port{loop, panel};
    Bytes got;
};

class PanelTest : public ::testing::Test {
protected:
    platform::VirtualEventLoop loop;
    Panel panel{loop};
    SimulatedPort port{loop, panel};
    Bytes received;
    struct Receipt {
        milliseconds at;
        Bytes bytes;
    };
    std::vector<Receipt> receipts;

    void SetUp() override
    {
        port.onEvent = [this](platform::PortEvent) {
            Bytes bytes = port.readAll();
            received.insert(received.end(), bytes.begin(), bytes.end());
            receipts.push_back({loop.now(), bytes});
        };
    }

    void connect(const char* settings = "9600,n,8,1")
    {
        port.setSettings(settings);
        port.open();
    }

    void waitForEmptyOutput()
    {
        ASSERT_TRUE(loop.runUntil([&] { return port.outBufferCount() == 0; }, milliseconds(5000)));
    }

    // The write stream as the configurator sends it: the command byte by
    // byte, sixteen blocks of 64 bytes each followed by a 500 ms pause, then
    // the checksum byte.
    void sendWriteStream(const Panel::Image& image, std::uint8_t checksum)
    {
        for (std::uint8_t b : WriteHeader) {
            waitForEmptyOutput();
            port.write({b});
        }
        for (int block = 0; block < 16; ++block) {
            waitForEmptyOutput();
            port.write(Bytes(image.begin() + block * 64, image.begin() + (block + 1) * 64));
            loop.runFor(500);
        }
        waitForEmptyOutput();
        port.write({checksum});
    }

    std::vector<std::string> heardCommands() const
    {
        std::vector<std::string> names;
        for (const auto& h : panel.heard())
            names.push_back(h.command);
        return names;
    }
};

Panel::Image patternImage(int seed)
{
    Panel::Image image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) % 200);
    return image;
}

std::uint8_t imageSum(const Panel::Image& image) { return sum8(Bytes(image.begin(), image.end())); }

// --- The frames, byte for byte -------------------------------------------

TEST_F(PanelTest, StatusFrameCarriesTheStateAndOmitsAnEmptyVersion)
{
    panel.input6Level = 0x21;
    panel.input8Level = 0x76;
    panel.inputs = 0x81;
    panel.temperature = 0xFB;
    panel.outputs = 0x05;
    panel.guard = true;
    const Bytes fields{0x21, 0x76, 0x81, 0xFB, 0x05, 0x08};
    EXPECT_EQ(panel.statusFrame(), cat({{'L', 'I', 0x07, 'E'}, platform::bytesOf("RZ4.5"), fields, {'E', 'N', 0x05, 0x09}}));

    panel.version = "";
    EXPECT_EQ(panel.statusFrame(), cat({{'L', 'I', 0x07, 'E'}, fields, {'E', 'N', 0x05, 0x09}}));
}

TEST_F(PanelTest, DumpFrameHoldsImageInfoBlockAndChecksum)
{
    panel.image = patternImage(3);
    panel.input6Level = 11;
    panel.input8Level = 118;
    const Bytes frame = panel.dumpFrame();
    ASSERT_EQ(frame.size(), 1069u);
    EXPECT_TRUE(startsAt(frame, 0, {'L', 'O', 0x08, 0x02}));
    EXPECT_TRUE(std::equal(panel.image.begin(), panel.image.end(), frame.begin() + 4));
    const Bytes block = cat({{11, 118}, platform::bytesOf("Q0012345"), {0}, platform::bytesOf("pw4Kx9Lm2Qa7Zr5Tn8"), {0, 0, 0, 0}});
    ASSERT_EQ(block.size(), 33u);
    EXPECT_EQ(Bytes(frame.begin() + 1028, frame.begin() + 1061), block);
    EXPECT_EQ(panel.deviceInfoBlock(), block);
    EXPECT_EQ(frame[1061], sum8(cat({Bytes(panel.image.begin(), panel.image.end()), block})));
    EXPECT_TRUE(startsAt(frame, 1062, {'T', 'A', 'I', 'L', 0x01, 0x02, 0x03}));

    panel.badDumpChecksum = true;
    EXPECT_EQ(panel.dumpFrame()[1061], static_cast<std::uint8_t>(frame[1061] + 1));
}

TEST_F(PanelTest, AllZeroDumpHasChecksumZero)
{
    panel.image.fill(0);
    panel.input6Level = panel.input8Level = 0;
    panel.serialNumber = panel.webPassword = "";
    EXPECT_EQ(panel.dumpFrame()[1061], 0);
}

TEST_F(PanelTest, ClockFrameShowsTheClockTextAtItsPlace)
{
    const Bytes frame = panel.clockFrame();
    ASSERT_GE(frame.size(), 24u) << "the clock text must be followed by at least one byte";
    EXPECT_TRUE(startsAt(frame, 0, {'C', 'L', 'K', ':'}));
    EXPECT_EQ(std::string(frame.begin() + 6, frame.begin() + 23), "10/12/09,14:05:33");
}

// --- Announcing itself -----------------------------------------------------

TEST_F(PanelTest, SaysNothingBeforeThePortIsOpened)
{
    loop.runFor(10000);
    EXPECT_TRUE(received.empty());
}

TEST_F(PanelTest, AnnouncesAStatusFrameEveryThreeSecondsWhileItHearsNothing)
{
    connect();
    loop.runFor(2999);
    EXPECT_TRUE(received.empty());
    loop.runFor(21);  // 19 bytes take 19.8 ms on the line
    EXPECT_EQ(received, panel.statusFrame());
    loop.runFor(6000);
    EXPECT_EQ(framesIn(received), Frames({"status", "status", "status"}));
    EXPECT_TRUE(panel.heard().empty());
}

TEST_F(PanelTest, CommandsEveryTwoSecondsKeepItFromAnnouncing)
{
    connect();
    for (int tick = 1; tick <= 4; ++tick) {
        loop.runFor(2000);
        port.write(Poll);
    }
    loop.runFor(2900);
    // Only the four answers, no announcement in between.
    EXPECT_EQ(framesIn(received), Frames({"status", "status", "status", "status"}));
    EXPECT_EQ(heardCommands(), std::vector<std::string>({"poll", "poll", "poll", "poll"}));
}

TEST_F(PanelTest, SilentPanelSendsNothingButStillListens)
{
    panel.silent = true;
    connect();
    port.write(Poll);
    loop.runFor(10000);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(heardCommands(), std::vector<std::string>({"poll"}));

    panel.silent = false;
    loop.runFor(3000);
    EXPECT_EQ(framesIn(received), Frames({"status"}));
}

// --- Answering commands --------------------------------------------------------

TEST_F(PanelTest, AnswersEachCommandWithItsFramesAndThenAStatusFrame)
{
    struct Case {
        const char* heard;
        Bytes command;
        Frames answer;
    };
    const std::vector<Case> cases{{"poll", Poll, {"status"}},
                                  {"read", Read, {"dump", "status"}},
                                  {"clock", SetClock, {"clock", "status"}},
                                  {"outputs", setOutputs(0x01), {"status"}}};
    for (const Case& c : cases) {
        FreshLine line;
        Panel& casePanel = line.panel;
        Bytes& got = line.got;
        line.port.write(c.command);
        line.loop.runFor(2000);
        EXPECT_EQ(framesIn(got), c.answer) << c.heard;
        ASSERT_EQ(casePanel.heard().size(), 1u) << c.heard;
        EXPECT_EQ(casePanel.heard()[0].command, c.heard);
        EXPECT_EQ(casePanel.heard()[0].bytes, c.command) << c.heard;
    }
}

TEST_F(PanelTest, AnswerFollowsTheCommandAfterAShortThinkTime)
{
    connect();
    port.write(Poll);  // arrives after 6.25 ms
    loop.runFor(56);
    EXPECT_TRUE(received.empty());
    loop.runFor(30);
    EXPECT_EQ(received, panel.statusFrame());
}

TEST_F(PanelTest, TakesACommandThatArrivesPacedByteByByte)
{
    connect();
    for (std::uint8_t b : SetClock) {
        waitForEmptyOutput();
        port.write({b});
    }
    loop.runFor(200);
    EXPECT_EQ(panel.lastClockCommandText(), ClockCommandText);
    EXPECT_EQ(framesIn(received), Frames({"clock", "status"}));
}

TEST_F(PanelTest, ASetClockSetsTheClockItReportsAndNoiseLeavesItAlone)
{
    struct Case {
        std::string text;
        std::string clock;
    } cases[] = {{"AT+CCLK=\"23/02/28,07:08:09+00\"", "23/02/28,07:08:09"},
                 {"AT+CCLK=\"23/02", "10/12/09,14:05:33"},
                 {"XX+CCLK=\"23/02/28,07:08:09+00\"", "10/12/09,14:05:33"}};
    for (const Case& c : cases) {
        FreshLine line;
        Panel& casePanel = line.panel;
        Bytes& got = line.got;
        line.port.write(cat({{0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C}, platform::bytesOf(c.text), {0x0D, 0x00}}));
        line.loop.runFor(500);
        EXPECT_EQ(casePanel.clockText, c.clock) << c.text;
        ASSERT_TRUE(startsAt(got, 0, {'C', 'L', 'K', ':'})) << c.text;
        EXPECT_EQ(std::string(got.begin() + 6, got.begin() + 23), c.clock) << c.text;
    }
}

TEST_F(PanelTest, OutputCommandSetsOutputsAndGuard)
{
    struct Case {
        std::uint8_t state;
        std::uint8_t outputs;
        bool guard;
    };
    connect();
    for (Case c : {Case{0x85, 0x05, true}, Case{0x02, 0x02, false}, Case{0x78, 0x00, false}, Case{0x87, 0x07, true}}) {
        received.clear();
        port.write(setOutputs(c.state));
        loop.runFor(200);
        EXPECT_EQ(panel.outputs, c.outputs) << int(c.state);
        EXPECT_EQ(panel.guard, c.guard) << int(c.state);
        // The answer already shows the new states.
        ASSERT_EQ(received, panel.statusFrame()) << int(c.state);
        EXPECT_EQ(received[13], c.outputs);
        EXPECT_EQ(received[14], c.guard ? 0x08 : 0x00);
    }
}

// --- The write stream ------------------------------------------------------

TEST_F(PanelTest, StoresAWrittenImageWithAGoodChecksumAndSendsItBackOnARead)
{
    connect();
    const Panel::Image written = patternImage(5);
    sendWriteStream(written, imageSum(written));
    loop.runFor(200);
    EXPECT_EQ(panel.writesStored(), 1);
    EXPECT_EQ(panel.writesRefused(), 0);
    EXPECT_EQ(panel.image, written);
    // No announcement during the transfer: the panel hears bytes all along.
    EXPECT_EQ(framesIn(received), Frames({"ack", "status"}));
    EXPECT_EQ(heardCommands(), std::vector<std::string>({"write"}));
    EXPECT_EQ(panel.heard()[0].bytes.size(), 6u + 1024u + 1u);

    received.clear();
    port.write(Read);
    loop.runFor(1500);
    ASSERT_EQ(framesIn(received), Frames({"dump", "status"}));
    EXPECT_TRUE(std::equal(written.begin(), written.end(), received.begin() + 4));
}

TEST_F(PanelTest, RefusesAWrittenImageWithABadChecksumAndKeepsItsOwn)
{
    connect();
    panel.image = patternImage(1);
    const Panel::Image before = panel.image;
    const Panel::Image written = patternImage(9);
    sendWriteStream(written, static_cast<std::uint8_t>(imageSum(written) + 1));
    loop.runFor(200);
    EXPECT_EQ(panel.writesStored(), 0);
    EXPECT_EQ(panel.writesRefused(), 1);
    EXPECT_EQ(panel.image, before);
    EXPECT_EQ(framesIn(received), Frames({"nak", "status"}));
}

TEST_F(PanelTest, ForgetsAStalledCommandSoLaterCommandsAreHeard)
{
    connect();
    port.write(cat({WriteHeader, {1, 2, 3, 4}}));
    loop.runFor(2000);
    port.write(Poll);
    loop.runFor(200);
    EXPECT_EQ(heardCommands(), std::vector<std::string>({"poll"}));
    EXPECT_EQ(framesIn(received), Frames({"status"}));
}

TEST_F(PanelTest, AShortGapInsideACommandDoesNotBreakIt)
{
    connect();
    port.write(WriteHeader);
    loop.runFor(1000);
    const Panel::Image written = patternImage(2);
    port.write(cat({Bytes(written.begin(), written.end()), {imageSum(written)}}));
    loop.runFor(1500);
    EXPECT_EQ(panel.writesStored(), 1);
    EXPECT_EQ(panel.image, written);
}

// --- Faults ------------------------------------------------------------------

TEST_F(PanelTest, GarbageBeforeEveryFrameLeavesTheFramesIntactAndFindable)
{
    panel.garbageBetweenFrames = true;
    connect();
    port.write(Poll);
    loop.runFor(200);
    port.write(Read);
    loop.runFor(1500);
    port.write(SetClock);
    loop.runFor(300);
    const Frames expected{"status", "dump", "status", "clock", "status"};
    EXPECT_EQ(framesIn(received), expected) << "noise must contain no marker";
    const Bytes clean = cat({panel.statusFrame(), panel.dumpFrame(), panel.statusFrame(), panel.clockFrame(), panel.statusFrame()});
    EXPECT_GT(received.size(), clean.size());
    for (const Bytes& frame : {panel.statusFrame(), panel.dumpFrame(), panel.clockFrame()})
        EXPECT_NE(std::search(received.begin(), received.end(), frame.begin(), frame.end()), received.end());
    EXPECT_FALSE(startsAt(received, 0, {'L', 'I'})) << "noise comes before the first frame";
}

TEST_F(PanelTest, FramesSentInChunksArriveInPiecesButNeverInterleaved)
{
    panel.deliveryChunk = 8;
    connect("115200,n,8,1");
    port.write(Poll);
    loop.runFor(200);
    EXPECT_EQ(received, panel.statusFrame());
    EXPECT_EQ(receipts.size(), 3u) << "19 bytes in pieces of 8";
    EXPECT_GE(receipts[1].at - receipts[0].at, milliseconds(panel.chunkGapMs));

    received.clear();
    port.write(Read);
    loop.runFor(300);
    port.write(Poll);  // answered while the dump is still leaving in pieces
    loop.runFor(1500);
    EXPECT_EQ(received, cat({panel.dumpFrame(), panel.statusFrame(), panel.statusFrame()}));
}

TEST(PanelLifetime, APanelGoneWithAnswersPendingSendsNothingMore)
{
    platform::VirtualEventLoop loop;
    {
        Panel panel{loop};
        SimulatedPort port{loop, panel};
        port.open();
        port.write(Read);
        loop.runFor(10);
    }
    loop.runFor(5000);  // pending answers and timers must not touch the gone objects
    SUCCEED();
}

}  // namespace
}  // namespace sim
