#include "sim/command_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_bytes.h"

namespace sim {
namespace {

using platform::Bytes;
using Kind = Command::Kind;

using namespace sim_test;

Bytes writeStream()
{
    Bytes image(1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return cat({{0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0E}, image, {0x5A}});
}

struct Case {
    const char* name;
    Bytes bytes;
    Kind kind;
};

std::vector<Case> commandCases()
{
    return {{"poll", Poll, Kind::Poll},
            {"read", Read, Kind::Read},
            {"clock", SetClock, Kind::SetClock},
            {"outputs", SetOutputs, Kind::SetOutputs},
            {"write", writeStream(), Kind::Write}};
}

std::vector<Command> feedInPieces(const Bytes& stream, const std::vector<std::size_t>& cuts)
{
    CommandParser parser;
    std::vector<Command> all;
    std::size_t from = 0;
    auto feedUpTo = [&](std::size_t to) {
        auto got = parser.feed(Bytes(stream.begin() + static_cast<long>(from), stream.begin() + static_cast<long>(to)));
        all.insert(all.end(), got.begin(), got.end());
        from = to;
    };
    for (std::size_t cut : cuts)
        feedUpTo(cut);
    feedUpTo(stream.size());
    return all;
}

TEST(CommandParser, EachCommandIsFoundWhereverTheBytesAreSplit)
{
    for (const Case& c : commandCases()) {
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            auto commands = feedInPieces(c.bytes, {cut});
            ASSERT_EQ(commands.size(), 1u) << c.name << " split at " << cut;
            EXPECT_EQ(commands[0].kind, c.kind) << c.name;
            EXPECT_EQ(commands[0].bytes, c.bytes) << c.name << " split at " << cut;
            EXPECT_EQ(commands[0].name(), c.name);
        }
    }
}

TEST(CommandParser, EachCommandIsFoundWhenItArrivesOneByteAtATime)
{
    for (const Case& c : commandCases()) {
        CommandParser parser;
        std::vector<Command> commands;
        for (std::size_t i = 0; i < c.bytes.size(); ++i) {
            auto got = parser.feed({c.bytes[i]});
            if (i + 1 < c.bytes.size()) {
                EXPECT_TRUE(got.empty()) << c.name << " complete too early at byte " << i;
            }
            commands.insert(commands.end(), got.begin(), got.end());
        }
        ASSERT_EQ(commands.size(), 1u) << c.name;
        EXPECT_EQ(commands[0].bytes, c.bytes) << c.name;
        EXPECT_FALSE(parser.inProgress()) << c.name;
    }
}

TEST(CommandParser, ReadsTheContentOfEachCommand)
{
    CommandParser parser;
    auto commands = parser.feed(cat({SetClock, SetOutputs, writeStream()}));
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].clockText(), "AT+CCLK=\"10/12/09,14:05:33+00\"");
    EXPECT_EQ(commands[1].outputsState(), 0x85);
    Bytes image = commands[2].writeImage();
    ASSERT_EQ(image.size(), 1024u);
    EXPECT_EQ(image[0], 1);
    EXPECT_EQ(image[1023], static_cast<std::uint8_t>(1023 * 7 + 1));
    EXPECT_EQ(commands[2].writeChecksum(), 0x5A);
}

TEST(CommandParser, ASessionWithNoiseBetweenCommandsSplitAtEveryOffset)
{
    // Noise that shares the commands' first bytes, then each command.
    const Bytes stream = cat({{0x00, 0x01, 0x01, 0x05}, Poll, {0x01}, Read, {0xFF, 0x01, 0x01, 0x01}, SetOutputs,
                              SetClock, {0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0F}, Poll});
    const std::vector<Kind> expected{Kind::Poll, Kind::Read, Kind::SetOutputs, Kind::SetClock, Kind::Poll};
    for (std::size_t a = 0; a <= stream.size(); ++a) {
        for (std::size_t b = a; b <= stream.size(); b += 5) {
            auto commands = feedInPieces(stream, {a, b});
            std::vector<Kind> kinds;
            for (const auto& c : commands)
                kinds.push_back(c.kind);
            ASSERT_EQ(kinds, expected) << "split at " << a << " and " << b;
            EXPECT_EQ(commands[2].outputsState(), 0x85);
        }
    }
}

TEST(CommandParser, OutputCommandOverlappingANoisyPrefixIsFound)
{
    // 01 01 01 01 01 02 08: the first 01 is noise; the output command starts at the second.
    CommandParser parser;
    auto commands = parser.feed({0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x08, 0x03});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Kind::SetOutputs);
    EXPECT_EQ(commands[0].outputsState(), 0x03);
}

TEST(CommandParser, ClockCommandWithoutItsClosingZeroEndsAtTheLineEnd)
{
    CommandParser parser;
    Bytes clockWithoutZero(SetClock.begin(), SetClock.end() - 1);
    auto commands = parser.feed(cat({clockWithoutZero, Poll}));
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, Kind::SetClock);
    EXPECT_EQ(commands[0].clockText(), platform::textOf(ClockText));
    EXPECT_EQ(commands[1].kind, Kind::Poll);
}

TEST(CommandParser, OverlongClockTextIsDroppedAndLaterCommandsAreStillFound)
{
    CommandParser parser;
    Bytes noise(CommandParser::MaxClockText + 10, 'A');
    auto commands = parser.feed(cat({{0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C}, noise, Poll}));
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Kind::Poll);
    EXPECT_FALSE(parser.inProgress());
}

TEST(CommandParser, ResetForgetsAPartCommand)
{
    CommandParser parser;
    EXPECT_TRUE(parser.feed({0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0E, 0x10, 0x20}).empty());
    EXPECT_TRUE(parser.inProgress());
    parser.reset();
    auto commands = parser.feed(Poll);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].kind, Kind::Poll);
}

}  // namespace
}  // namespace sim
