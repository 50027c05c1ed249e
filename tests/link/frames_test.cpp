#include <gtest/gtest.h>

#include "link/frames.h"
#include "link/hex_text.h"
#include "platform/error.h"

namespace {

using devlink::hexText;
using platform::Bytes;

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}
Bytes ascii(const std::string& s) { return platform::bytesOf(s); }

const Bytes StatusStart{0x4C, 0x49, 0x07, 0x45};
const Bytes StatusEnd{0x45, 0x4E, 0x05, 0x09};

Bytes statusFrame(const std::string& version = "RZ4.5", Bytes fields = {0x00, 120, 0x81, 0xFB, 0x05, 0x08})
{
    return concat({StatusStart, ascii(version), fields, StatusEnd});
}
Bytes clockFrame(const std::string& time = "10/12/09,14:05:33")
{
    return concat({ascii("CLK:"), ascii(" \""), ascii(time)});
}
// A dump whose image starts at offset 768 (the alarm texts) with `text`.
Bytes dumpFrame(const std::string& text = "")
{
    Bytes image(1024 + 33 + 1);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    std::copy(text.begin(), text.end(), image.begin() + 768);
    return concat({{0x4C, 0x4F, 0x08, 0x02}, image, ascii("TAIL"), {0x01, 0x02, 0x03}});
}
const Bytes Ack{0x41, 0x43, 0x03, 0x01};
const Bytes Nak{0x4E, 0x4B, 0x02, 0x06};

TEST(ClockFrame, IsTakenOnlyOnceACharacterFollowsItAndCutsAfterIt)
{
    std::string buffer = "00 " + hexText(clockFrame());
    ASSERT_EQ(buffer.size(), 4u + 68u);  // Len = p + 68
    EXPECT_FALSE(devlink::findClockFrame(buffer));

    buffer += "4";
    auto clock = devlink::findClockFrame(buffer);
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->time, "10/12/09,14:05:33");
    devlink::keepFrom(buffer, clock->keepFrom);
    EXPECT_EQ(buffer, "4");
}

TEST(DumpProgress, CountsTheCharactersAfterTheStartMarker)
{
    struct Case {
        std::size_t n;  // characters from the marker's first one to the end, less one
        const char* text;
    } cases[] = {{11, "5%"}, {99, "5%"}, {100, "3%"}, {1604, "50%"}, {3190, "99%"}, {3206, "100%"}, {3207, "100%"},
                 {9000, "100%"}};
    for (const Case& c : cases) {
        std::string buffer = "AA BB " + std::string("4C 4F 08 02 ") + std::string(c.n + 1 - 12, '0');
        EXPECT_EQ(devlink::dumpProgress(buffer).value_or("none"), c.text) << c.n;
    }
    EXPECT_FALSE(devlink::dumpProgress("4C 49 07 45 "));
}

TEST(DumpFrame, TextRunsFromTheMarkerToTheLastCharacterButOneAndTheCutKeepsTheTail)
{
    std::string frame = hexText(dumpFrame());
    ASSERT_EQ(frame.size(), devlink::DumpFrameChars);
    std::string status = hexText(statusFrame());
    std::string buffer = "4C 49 " + frame + status;  // a stray status start before the dump

    auto dump = devlink::findDumpFrame(buffer);
    ASSERT_TRUE(dump);
    EXPECT_EQ(dump->text, (frame + status).substr(0, frame.size() + status.size() - 1));
    EXPECT_EQ(dump->text.substr(12, 6), "00 07 ");  // image from character 13

    devlink::keepFrom(buffer, dump->keepFrom);
    EXPECT_EQ(buffer.substr(0, 19), " 41 49 4C 01 02 03 ");
    auto s = devlink::findStatusFrame(buffer);
    ASSERT_TRUE(s);
    EXPECT_EQ(devlink::readStatusFields(buffer, s->p).input8Level, 120);

    EXPECT_FALSE(devlink::findDumpFrame(frame.substr(0, frame.size() - 1)));
}

TEST(DumpFrame, TextOverSixThousandCharactersIsRebuiltFromEverySecondByte)
{
    auto text = [](std::size_t length) {
        std::string s = "4C 4F 08 02 ";
        for (int i = 0; s.size() < length; ++i)
            s += hexText({static_cast<std::uint8_t>(i)});
        return s.substr(0, length);
    };
    EXPECT_EQ(devlink::dumpText(text(6000)), text(6000));

    std::string rebuilt = devlink::dumpText(text(6001));
    EXPECT_EQ(rebuilt.substr(0, 21), "4C 4F 08 02 00 02 04 ");  // bytes 4, 6, 8 ... of the frame
    // Every i = 12, 18, ... with i <= 6001 - 6 contributes one byte.
    EXPECT_EQ(rebuilt.size(), 12u + 3u * ((6001 - 6 - 12) / 6 + 1));
}

TEST(WriteAnswers, AreCutAfterTheMarkerKeepingItsLastSpaceAndWhatFollows)
{
    for (const Bytes& marker : {Ack, Nak}) {
        bool ack = marker == Ack;
        std::string buffer = "00 " + hexText(marker) + "45 4E ";
        auto keep = ack ? devlink::findWriteAck(buffer) : devlink::findWriteNak(buffer);
        ASSERT_TRUE(keep);
        EXPECT_FALSE(ack ? devlink::findWriteNak(buffer) : devlink::findWriteAck(buffer));
        devlink::keepFrom(buffer, *keep);
        EXPECT_EQ(buffer, " 45 4E ");
    }
}

TEST(StatusFrame, FieldsAreReadAtTheirBytesAndTheCutKeepsWhatFollows)
{
    std::string buffer = "FF FF " + hexText(statusFrame()) + "43 4C ";
    auto s = devlink::findStatusFrame(buffer);
    ASSERT_TRUE(s);
    EXPECT_EQ(devlink::statusVersion(buffer, s->p).value_or("none"), "RZ4.5");
    auto f = devlink::readStatusFields(buffer, s->p);
    EXPECT_EQ(f.input6Level, 0x00);
    EXPECT_EQ(f.input8Level, 120);
    EXPECT_EQ(f.inputs, 0x81);
    EXPECT_EQ(f.temperature, 0xFB);
    EXPECT_EQ(f.outputs, 0x05);
    EXPECT_TRUE(f.guard());
    devlink::keepFrom(buffer, s->keepFrom());
    EXPECT_EQ(buffer, " 43 4C ");
}

TEST(StatusFrame, VersionIsReadOnlyWhenTwentySevenCharactersFollowTheMarker)
{
    std::string buffer = hexText(concat({StatusStart, ascii("RZ4.3")}));  // Len - p = 26
    EXPECT_FALSE(devlink::statusVersion(buffer, 1));
    buffer += "0";  // Len - p = 27
    EXPECT_EQ(devlink::statusVersion(buffer, 1).value_or("none"), "RZ4.3");
}

TEST(StatusFrame, NeedsBothMarkersAndAShortFrameFailsTheConversion)
{
    EXPECT_FALSE(devlink::findStatusFrame(hexText(concat({StatusEnd, StatusStart, ascii("RZ4.5")}))));

    // An old firmware's frame: no version, fields, end marker, nothing after.
    std::string buffer = hexText(concat({StatusStart, {0, 120, 0, 0x80, 0, 0}, StatusEnd}));
    auto s = devlink::findStatusFrame(buffer);
    ASSERT_TRUE(s);
    EXPECT_THROW(devlink::readStatusFields(buffer, s->p), platform::Error);
}

TEST(Temperature, ByteIsTwosComplementWithEightyHexMeaningNoSensor)
{
    struct Case {
        std::uint8_t byte;
        const char* text;
    } cases[] = {{0xFB, "-5"}, {0x80, ""}, {0x17, "23"}, {0xFF, "-1"}, {0x00, "0"}, {0x7F, "127"}, {0x81, "-127"}};
    for (const Case& c : cases)
        EXPECT_EQ(devlink::temperatureText(c.byte), c.text) << int(c.byte);
}

// Runs the recognisers in the poll cycle's order over the receive text, as
// one cycle would, and lists what they took.
std::vector<std::string> drain(std::string& buffer)
{
    std::vector<std::string> taken;
    if (auto c = devlink::findClockFrame(buffer)) {
        taken.push_back("clock " + c->time);
        devlink::keepFrom(buffer, c->keepFrom);
    }
    if (auto d = devlink::findDumpFrame(buffer)) {
        taken.push_back("dump " + std::to_string(d->text.size()));
        devlink::keepFrom(buffer, d->keepFrom);
    }
    if (auto k = devlink::findWriteAck(buffer)) {
        taken.push_back("ack");
        devlink::keepFrom(buffer, *k);
    }
    if (auto k = devlink::findWriteNak(buffer)) {
        taken.push_back("nak");
        devlink::keepFrom(buffer, *k);
    }
    if (auto s = devlink::findStatusFrame(buffer)) {
        taken.push_back("status " + devlink::statusVersion(buffer, s->p).value_or("-") + " " +
                        std::to_string(devlink::readStatusFields(buffer, s->p).inputs));
        devlink::keepFrom(buffer, s->keepFrom());
    }
    return taken;
}

TEST(Recognisers, FindTheSameFramesWhereverTheStreamIsSplitBetweenCycles)
{
    const Bytes noise{0x4C, 0x00, 0x45, 0x4E, 0xFF};
    struct Stream {
        const char* name;
        Bytes bytes;
    } streams[] = {
        {"status after noise", concat({noise, statusFrame()})},
        {"clock then status", concat({clockFrame(), noise, statusFrame("RZ4.3")})},
        {"ack then status", concat({Ack, statusFrame()})},
        {"nak then status", concat({noise, Nak, statusFrame()})},
        {"dump then status", concat({dumpFrame(), statusFrame()})},
        {"dump holding CLK: then status", concat({dumpFrame("CLK: \"10/12/09,14:05:33\" alarm"), statusFrame()})},
        {"dump then clock", concat({dumpFrame(), clockFrame(), noise})},
    };
    for (const Stream& s : streams) {
        std::string whole = hexText(s.bytes);
        std::vector<std::string> expected;
        for (int cycle = 0; cycle < 3; ++cycle)
            for (auto& t : drain(whole))
                expected.push_back(t);
        ASSERT_FALSE(expected.empty()) << s.name;

        for (std::size_t at = 0; at <= s.bytes.size(); ++at) {
            std::string buffer = hexText(Bytes(s.bytes.begin(), s.bytes.begin() + static_cast<long>(at)));
            std::vector<std::string> got = drain(buffer);
            devlink::appendHexText(buffer, Bytes(s.bytes.begin() + static_cast<long>(at), s.bytes.end()));
            for (int cycle = 0; cycle < 3; ++cycle)
                for (auto& t : drain(buffer))
                    got.push_back(t);
            // The dump text runs on to the end of what has arrived, so its
            // length depends on the split; everything else must match exactly.
            ASSERT_EQ(got.size(), expected.size()) << s.name << " split at byte " << at;
            for (std::size_t i = 0; i < got.size(); ++i) {
                bool dump = got[i].rfind("dump", 0) == 0;
                EXPECT_EQ(dump ? "dump" : got[i], dump ? expected[i].substr(0, 4) : expected[i])
                    << s.name << " split at byte " << at;
            }
        }
    }
}

}  // namespace
