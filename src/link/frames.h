#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Recognisers of the frames the panel sends, working on the receive text in
// HexText. Each only looks: it returns what it found and where the receive
// text is to be cut (keep the characters from `keepFrom` on, 1-based), and
// leaves the cutting to the caller. A frame whose markers have not fully
// arrived is not found.
namespace devlink {

namespace marker {
inline constexpr const char* Clock = "43 4C 4B 3A ";
inline constexpr const char* DumpStart = "4C 4F 08 02 ";
inline constexpr const char* DumpEnd = "54 41 49 4C 01 02 03 ";
inline constexpr const char* WriteAck = "41 43 03 01 ";
inline constexpr const char* WriteNak = "4E 4B 02 06 ";
inline constexpr const char* StatusStart = "4C 49 07 45 ";
inline constexpr const char* StatusEnd = "45 4E 05 09 ";
}  // namespace marker

// Characters of a whole dump frame in HexText (1069 bytes).
inline constexpr std::size_t DumpFrameChars = 3207;
// A dump text longer than this is rebuilt from every second byte.
inline constexpr std::size_t DumpTextLimit = 6000;

// The panel's clock: the 17 characters of bytes 6 to 22. Found only once a
// character follows the frame, and not behind the start of a dump.
struct ClockFrame {
    std::string time;  // UTF-8
    std::size_t keepFrom;
};
std::optional<ClockFrame> findClockFrame(const std::string& buffer);

// Progress of a dump that has started: "5%", "37%", "100%".
std::optional<std::string> dumpProgress(const std::string& buffer);

// A dump whose end marker has arrived. The text runs from the start marker
// to the end of the receive text less its last character; the cut keeps the
// end marker's tail, which matches nothing.
struct DumpFrame {
    std::string text;
    std::size_t keepFrom;
};
std::optional<DumpFrame> findDumpFrame(const std::string& buffer);
// The dump text made of the characters from the start marker on.
std::string dumpText(const std::string& fromStartMarker);

// WriteAck and WriteNak: the marker alone. The result is `keepFrom`.
std::optional<std::size_t> findWriteAck(const std::string& buffer);
std::optional<std::size_t> findWriteNak(const std::string& buffer);

// A status frame: start marker at p, end marker at e (searched from p).
struct StatusFrameAt {
    std::size_t p, e;
    std::size_t keepFrom() const { return e + 11; }
};
std::optional<StatusFrameAt> findStatusFrame(const std::string& buffer);

// The firmware version of the status frame at p (bytes 4 to 8), present
// only when at least 27 characters follow p in the receive text. Bad digits
// raise platform::Error.
std::optional<std::string> statusVersion(const std::string& buffer, std::size_t p);

struct StatusFields {
    std::uint8_t input6Level = 0;  // tenths of a volt
    std::uint8_t input8Level = 0;  // units of 0.11 V
    std::uint8_t inputs = 0;       // bit n-1: input n in alarm
    std::uint8_t temperature = 0;  // two's complement, 0x80 no sensor
    std::uint8_t outputs = 0;      // bits 0 to 2: outputs 1 to 3 on
    std::uint8_t guardByte = 0;    // bit 3: armed
    bool guard() const { return (guardByte & 0x08) != 0; }
};
// Bytes 9 to 14 of the status frame at p; missing or bad digits raise
// platform::Error (a short frame).
StatusFields readStatusFields(const std::string& buffer, std::size_t p);

// Whole degrees of the temperature byte; empty for "no sensor" (0x80).
std::string temperatureText(std::uint8_t byte);

}  // namespace devlink
