#include "link/frames.h"

#include <cmath>
#include <string_view>

#include "ui/cp1251.h"
#include "link/hex_text.h"

namespace devlink {

namespace {

constexpr std::size_t MarkerChars = 12;  // four bytes

// Bytes first..last of the frame at p, each byte taken as one character.
std::string frameChars(const std::string& buffer, std::size_t p, std::size_t first, std::size_t last)
{
    std::string bytes;
    for (std::size_t k = first; k <= last; ++k)
        bytes += static_cast<char>(frameByte(buffer, p, k));
    return ui::cp1251::toUtf8(bytes);
}

std::optional<std::size_t> findMarkerFrame(const std::string& buffer, const char* text)
{
    std::size_t p = search(buffer, text);
    if (p == 0)
        return std::nullopt;
    return p + MarkerChars - 1;
}

}  // namespace

std::optional<ClockFrame> findClockFrame(const std::string& buffer)
{
    std::size_t p = search(buffer, marker::Clock);
    if (p == 0 || buffer.size() < p + 69)
        return std::nullopt;
    // Behind a dump's start the letters CLK: may be configuration text (an
    // alarm text, a topic); cutting there would lose the dump. A real clock
    // frame behind a dump is taken once the dump has been cut out.
    std::size_t dump = search(buffer, marker::DumpStart);
    if (dump != 0 && dump < p)
        return std::nullopt;
    return ClockFrame{frameChars(buffer, p, 6, 22), p + 69};
}

std::optional<std::string> dumpProgress(const std::string& buffer)
{
    std::size_t p = search(buffer, marker::DumpStart);
    if (p == 0)
        return std::nullopt;
    std::size_t n = buffer.size() - p;
    if (n < 100)
        return "5%";
    double q = static_cast<double>(n) * 100.0 / static_cast<double>(DumpFrameChars);
    if (q >= 100.0)
        return "100%";
    long whole = std::lround(q);
    return (whole == 0 ? std::string() : std::to_string(whole)) + "%";
}

std::string dumpText(const std::string& s)
{
    if (s.size() <= DumpTextLimit)
        return s;
    // Rebuilt from bytes 4, 6, 8, ... of the received frame.
    std::string text = marker::DumpStart;
    for (std::size_t i = 12; i + 6 <= s.size(); i += 6)
        text += s.substr(i, 3);
    return text;
}

std::optional<DumpFrame> findDumpFrame(const std::string& buffer)
{
    std::size_t p = search(buffer, marker::DumpStart);
    if (p == 0)
        return std::nullopt;
    std::size_t t = search(buffer, marker::DumpEnd, p);
    if (t == 0)
        return std::nullopt;
    // From p to the end, without the last character.
    std::string s = buffer.substr(p - 1, buffer.size() - p);
    return DumpFrame{dumpText(s), t + 2};
}

std::optional<std::size_t> findWriteAck(const std::string& buffer)
{
    return findMarkerFrame(buffer, marker::WriteAck);
}

std::optional<std::size_t> findWriteNak(const std::string& buffer)
{
    return findMarkerFrame(buffer, marker::WriteNak);
}

std::optional<StatusFrameAt> findStatusFrame(const std::string& buffer)
{
    std::size_t p = search(buffer, marker::StatusStart);
    if (p == 0)
        return std::nullopt;
    std::size_t e = search(buffer, marker::StatusEnd, p);
    if (e == 0)
        return std::nullopt;
    return StatusFrameAt{p, e};
}

std::optional<std::string> statusVersion(const std::string& buffer, std::size_t p)
{
    if (buffer.size() < p + 27)
        return std::nullopt;
    return frameChars(buffer, p, 4, 8);
}

StatusFields readStatusFields(const std::string& buffer, std::size_t p)
{
    StatusFields f;
    f.input6Level = frameByte(buffer, p, 9);
    f.input8Level = frameByte(buffer, p, 10);
    f.inputs = frameByte(buffer, p, 11);
    f.temperature = frameByte(buffer, p, 12);
    f.outputs = frameByte(buffer, p, 13);
    f.guardByte = frameByte(buffer, p, 14);
    return f;
}

std::string temperatureText(std::uint8_t byte)
{
    if (byte == 0x80)
        return "";
    if (byte > 127)
        return "-" + std::to_string(256 - byte);
    return std::to_string(byte);
}

}  // namespace devlink
