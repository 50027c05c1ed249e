#include "sim/command_parser.h"

#include <algorithm>
#include <array>

namespace sim {
namespace {

struct Header {
    Command::Kind kind;
    std::array<std::uint8_t, CommandParser::HeaderSize> bytes;
};

// The read and output commands share their first three bytes; the fourth
// tells them apart.
constexpr std::array<Header, 5> Headers{{
    {Command::Kind::Poll, {0x01, 0x01, 0x04, 0x08, 0x0A, 0x0C}},
    {Command::Kind::Read, {0x01, 0x01, 0x01, 0x09, 0x0B, 0x0D}},
    {Command::Kind::Write, {0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0E}},
    {Command::Kind::SetClock, {0x01, 0x01, 0x03, 0x08, 0x0B, 0x0C}},
    {Command::Kind::SetOutputs, {0x01, 0x01, 0x01, 0x01, 0x02, 0x08}},
}};

constexpr std::uint8_t ClockTextEnd = 0x0D;
constexpr std::uint8_t ClockCommandEnd = 0x00;

bool startsHeader(const platform::Bytes& pending, const Header& header)
{
    std::size_t n = std::min(pending.size(), header.bytes.size());
    return std::equal(pending.begin(), pending.begin() + static_cast<long>(n), header.bytes.begin());
}

const Header* headerOf(const platform::Bytes& pending)
{
    if (pending.size() < CommandParser::HeaderSize)
        return nullptr;
    for (const Header& header : Headers)
        if (startsHeader(pending, header))
            return &header;
    return nullptr;
}

}  // namespace

std::string Command::name() const
{
    switch (kind) {
    case Kind::Poll: return "poll";
    case Kind::Read: return "read";
    case Kind::Write: return "write";
    case Kind::SetClock: return "clock";
    case Kind::SetOutputs: return "outputs";
    }
    return "";
}

platform::Bytes Command::writeImage() const
{
    auto begin = bytes.begin() + CommandParser::HeaderSize;
    return platform::Bytes(begin, begin + CommandParser::ImageSize);
}

std::uint8_t Command::writeChecksum() const { return bytes[CommandParser::HeaderSize + CommandParser::ImageSize]; }

std::string Command::clockText() const
{
    auto begin = bytes.begin() + CommandParser::HeaderSize;
    auto end = std::find(begin, bytes.end(), ClockTextEnd);
    return std::string(begin, end);
}

std::uint8_t Command::outputsState() const { return bytes[CommandParser::HeaderSize]; }

std::vector<Command> CommandParser::feed(const platform::Bytes& bytes)
{
    for (std::uint8_t byte : bytes)
        take(byte);
    std::vector<Command> done;
    done.swap(out_);
    return done;
}

void CommandParser::finish(Command::Kind kind)
{
    out_.push_back(Command{kind, pending_});
    pending_.clear();
}

void CommandParser::resync()
{
    while (!pending_.empty() &&
           std::none_of(Headers.begin(), Headers.end(), [&](const Header& h) { return startsHeader(pending_, h); }))
        pending_.erase(pending_.begin());
}

void CommandParser::take(std::uint8_t byte)
{
    const Header* header = headerOf(pending_);
    if (!header) {
        pending_.push_back(byte);
        resync();
        header = headerOf(pending_);
        if (!header)
            return;
        // The header has just completed.
        if (header->kind == Command::Kind::Poll || header->kind == Command::Kind::Read)
            finish(header->kind);
        return;
    }

    // The header is complete; the byte belongs to the command's body.
    const std::size_t body = pending_.size() - HeaderSize;
    switch (header->kind) {
    case Command::Kind::SetOutputs:
        pending_.push_back(byte);
        finish(header->kind);
        return;
    case Command::Kind::Write:
        pending_.push_back(byte);
        if (body + 1 == ImageSize + 1)
            finish(header->kind);
        return;
    case Command::Kind::SetClock: {
        const bool textEnded = body > 0 && pending_.back() == ClockTextEnd;
        if (textEnded) {
            // The command closes with 00 after the 0D; anything else after
            // the 0D already belongs to what follows.
            if (byte == ClockCommandEnd) {
                pending_.push_back(byte);
                finish(header->kind);
            } else {
                finish(header->kind);
                take(byte);
            }
            return;
        }
        pending_.push_back(byte);
        if (byte != ClockTextEnd && body + 1 > MaxClockText) {
            // No clock text is this long: the header was noise. Look for
            // commands again from the byte after its first.
            platform::Bytes heard(pending_.begin() + 1, pending_.end());
            pending_.clear();
            for (std::uint8_t b : heard)
                take(b);
        }
        return;
    }
    case Command::Kind::Poll:
    case Command::Kind::Read:
        break;
    }
}

}  // namespace sim
