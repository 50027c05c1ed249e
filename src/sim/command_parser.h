#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bytes.h"

namespace sim {

// A command the panel recognised on its line from the computer.
struct Command {
    enum class Kind { Poll, Read, Write, SetClock, SetOutputs };
    Kind kind;
    platform::Bytes bytes;  // every byte of the command, header included

    // The name the panel's log uses: "poll", "read", "write", "clock", "outputs".
    std::string name() const;
    // Write: the 1024 image bytes and the checksum byte after them.
    platform::Bytes writeImage() const;
    std::uint8_t writeChecksum() const;
    // SetClock: the text between the header and the closing 0D.
    std::string clockText() const;
    // SetOutputs: the state byte.
    std::uint8_t outputsState() const;
};

// Splits the bytes the panel hears into commands. Bytes may come in any
// pieces, one at a time included; bytes that start no known command are
// skipped until a command header lines up again. No I/O, no clock.
class CommandParser {
public:
    static constexpr std::size_t HeaderSize = 6;
    static constexpr std::size_t ImageSize = 1024;
    // A clock text longer than this is taken as noise and dropped.
    static constexpr std::size_t MaxClockText = 64;

    std::vector<Command> feed(const platform::Bytes& bytes);
    // True while part of a command has been heard.
    bool inProgress() const { return !pending_.empty(); }
    // Forgets a part-heard command.
    void reset() { pending_.clear(); }

private:
    std::vector<Command> out_;
    platform::Bytes pending_;

    void take(std::uint8_t byte);
    void finish(Command::Kind kind);
    // Drops leading bytes until what is pending can still become a header.
    void resync();
};

}  // namespace sim
