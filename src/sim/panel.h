#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "sim/device.h"

namespace sim {

// The alarm panel's running firmware, from the device's side of the line.
// It announces itself with a status frame about every 3 s while it hears
// nothing, answers every command with the next status frame, sends its
// configuration dump on a read, stores a written image when its checksum
// holds, sends its clock after a set-clock, and applies output commands.
class Panel : public Device {
public:
    static constexpr int ImageSize = 1024;
    using Image = std::array<std::uint8_t, ImageSize>;

    explicit Panel(platform::EventLoop& loop);
    ~Panel() override;
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    void attach(LineEnd& line) override;
    void receiveFromComputer(const platform::Bytes& bytes) override;

    // What the panel reports.
    std::string version = "RZ4.5";     // five characters; empty sends a short frame without version
    std::string serialNumber = "Q0012345";         // 8 characters
    std::string webPassword = "pw4Kx9Lm2Qa7Zr5Tn8"; // 18 characters
    std::uint8_t inputs = 0;            // bit n-1: input n in alarm
    std::uint8_t input6Level = 0;       // tenths of a volt
    std::uint8_t input8Level = 120;     // units of 0.11 V
    std::uint8_t temperature = 0x80;    // two's complement, 0x80 no sensor
    std::uint8_t outputs = 0;           // bit 0..2: outputs 1..3 on
    bool guard = false;
    std::string clockText = "10/12/09,14:05:33"; // 17 characters; a set-clock sets them
    Image image = factoryImage();       // the stored configuration
    static const Image& factoryImage();

    // Faults for tests.
    bool badDumpChecksum = false;       // the dump's checksum is off by one
    bool garbageBetweenFrames = false;  // noise bytes before every frame
    int deliveryChunk = 0;              // >0: frames leave in pieces of this many bytes
    bool silent = false;                // sends nothing at all

    // Timing of the panel's side.
    int announcePeriodMs = 3000;        // a status frame this often while nothing is heard
    int thinkTimeMs = 50;               // from a heard command to its answer
    int chunkGapMs = 5;                 // between the pieces of a frame when deliveryChunk > 0
    int partialCommandTimeoutMs = 1500; // a command stalled this long is forgotten

    // What the panel has heard, for tests.
    struct Heard {
        std::string command;  // "poll", "read", "write", "clock", "outputs"
        platform::Bytes bytes;
    };
    const std::vector<Heard>& heard() const { return heard_; }
    int writesStored() const { return writesStored_; }
    int writesRefused() const { return writesRefused_; }
    std::string lastClockCommandText() const { return lastClock_; }

    // The frames the panel sends, byte for byte.
    platform::Bytes statusFrame() const;
    platform::Bytes dumpFrame() const;
    platform::Bytes clockFrame() const;
    static platform::Bytes writeAck();
    static platform::Bytes writeNak();
    // The 33 bytes after the image in the dump: readings, serial number, web password.
    platform::Bytes deviceInfoBlock() const;

private:
    struct Impl;
    Impl* impl_;
    std::vector<Heard> heard_;
    int writesStored_ = 0;
    int writesRefused_ = 0;
    std::string lastClock_;
    friend struct Impl;
};

}  // namespace sim
