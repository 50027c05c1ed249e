#include "sim/panel.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "sim/command_parser.h"

namespace sim {
namespace {

using platform::Bytes;

const Bytes StatusStart{'L', 'I', 0x07, 'E'};
const Bytes StatusEnd{'E', 'N', 0x05, 0x09};
const Bytes DumpStart{'L', 'O', 0x08, 0x02};
const Bytes DumpEnd{'T', 'A', 'I', 'L', 0x01, 0x02, 0x03};
const Bytes ClockStart{'C', 'L', 'K', ':'};
const Bytes Ack{'A', 'C', 0x03, 0x01};
const Bytes Nak{'N', 'K', 0x02, 0x06};

constexpr std::uint8_t GuardBit = 0x08;        // in status byte 14
constexpr std::uint8_t OutputsMask = 0x07;     // outputs 1 to 3
constexpr std::uint8_t GuardCommandBit = 0x80; // in the output command's state byte

// Line noise put before frames on request. None of these bytes starts or
// continues any of the frames' markers.
const std::vector<Bytes> Noise{{0xFF, 0x00}, {0x55, 0xAA, 0x3F}, {0x7E, 0x81, 0x00, 0xC3}};

void append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

// A text in a field of fixed width: cut, or filled up with zero bytes.
void appendField(Bytes& to, const std::string& text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        to.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

std::uint8_t sum8(Bytes::const_iterator begin, Bytes::const_iterator end)
{
    return static_cast<std::uint8_t>(std::accumulate(begin, end, 0u) & 0xFF);
}

}  // namespace

struct Panel::Impl {
    Panel& panel;
    platform::EventLoop& loop;
    LineEnd* line = nullptr;
    bool hasTimer = false;
    platform::EventLoop::TimerId timer = 0;
    CommandParser parser;
    platform::EventLoop::Millis lastHeard{0};
    // Frames leave one after another: the next frame's pieces are not
    // scheduled before this moment.
    platform::EventLoop::Millis senderFreeAt{0};
    std::size_t noiseRound = 0;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    Impl(Panel& p, platform::EventLoop& l) : panel(p), loop(l) {}

    void restartAnnouncements()
    {
        if (hasTimer)
            loop.setTimerInterval(timer, panel.announcePeriodMs);
    }

    void send(const Bytes& frame, int afterMs)
    {
        if (!line || panel.silent)
            return;
        Bytes out;
        if (panel.garbageBetweenFrames)
            out = Noise[noiseRound++ % Noise.size()];
        append(out, frame);

        std::vector<Bytes> pieces;
        const std::size_t chunk = panel.deliveryChunk > 0 ? static_cast<std::size_t>(panel.deliveryChunk) : out.size();
        for (std::size_t at = 0; at < out.size(); at += chunk)
            pieces.emplace_back(out.begin() + static_cast<long>(at),
                                out.begin() + static_cast<long>(std::min(out.size(), at + chunk)));

        const auto now = loop.now();
        auto start = std::max(now + platform::EventLoop::Millis(afterMs), senderFreeAt);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            auto due = start + platform::EventLoop::Millis(static_cast<long>(i) * panel.chunkGapMs);
            loop.callLater(static_cast<int>((due - now).count()), [this, alive = alive, piece = pieces[i]] {
                if (*alive && line && !panel.silent)
                    line->sendToComputer(piece);
            });
            senderFreeAt = due;
        }
    }

    // AT+CCLK="yy/MM/dd,hh:mm:ss+00": the GSM module's clock takes the 17
    // characters of date and time; a text of another shape leaves it alone.
    void takeClock(const std::string& text)
    {
        static const std::string prefix = "AT+CCLK=\"";
        constexpr std::size_t Width = 17;
        if (text.size() >= prefix.size() + Width && text.compare(0, prefix.size(), prefix) == 0)
            panel.clockText = text.substr(prefix.size(), Width);
    }

    void handle(const Command& command)
    {
        panel.heard_.push_back({command.name(), command.bytes});
        const int think = panel.thinkTimeMs;
        switch (command.kind) {
        case Command::Kind::Poll:
            break;
        case Command::Kind::Read:
            send(panel.dumpFrame(), think);
            break;
        case Command::Kind::Write: {
            Bytes image = command.writeImage();
            if (sum8(image.begin(), image.end()) == command.writeChecksum()) {
                std::copy(image.begin(), image.end(), panel.image.begin());
                ++panel.writesStored_;
                send(Ack, think);
            } else {
                ++panel.writesRefused_;
                send(Nak, think);
            }
            break;
        }
        case Command::Kind::SetClock:
            panel.lastClock_ = command.clockText();
            takeClock(panel.lastClock_);
            send(panel.clockFrame(), think);
            break;
        case Command::Kind::SetOutputs: {
            std::uint8_t state = command.outputsState();
            panel.outputs = static_cast<std::uint8_t>((panel.outputs & ~OutputsMask) | (state & OutputsMask));
            panel.guard = (state & GuardCommandBit) != 0;
            break;
        }
        }
        // Every command is answered with the next status frame.
        send(panel.statusFrame(), think);
    }
};

Panel::Panel(platform::EventLoop& loop) : impl_(new Impl(*this, loop)) {}

Panel::~Panel()
{
    *impl_->alive = false;
    if (impl_->hasTimer)
        impl_->loop.destroyTimer(impl_->timer);
    delete impl_;
}

void Panel::attach(LineEnd& line)
{
    impl_->line = &line;
    impl_->parser.reset();
    if (!impl_->hasTimer) {
        impl_->timer = impl_->loop.createTimer([this] { impl_->send(statusFrame(), 0); });
        impl_->hasTimer = true;
    }
    impl_->restartAnnouncements();
}

void Panel::receiveFromComputer(const platform::Bytes& bytes)
{
    if (bytes.empty())
        return;
    const auto now = impl_->loop.now();
    if (impl_->parser.inProgress() && now - impl_->lastHeard > platform::EventLoop::Millis(partialCommandTimeoutMs))
        impl_->parser.reset();
    impl_->lastHeard = now;
    // The panel announces itself only while it hears nothing.
    impl_->restartAnnouncements();
    for (const Command& command : impl_->parser.feed(bytes))
        impl_->handle(command);
}

platform::Bytes Panel::statusFrame() const
{
    Bytes frame = StatusStart;
    frame.insert(frame.end(), version.begin(), version.end());
    append(frame, {input6Level, input8Level, inputs, temperature, outputs,
                   static_cast<std::uint8_t>(guard ? GuardBit : 0)});
    append(frame, StatusEnd);
    return frame;
}

platform::Bytes Panel::deviceInfoBlock() const
{
    Bytes block{input6Level, input8Level};
    appendField(block, serialNumber, 8);
    block.push_back(0);
    appendField(block, webPassword, 18);
    append(block, {0, 0, 0, 0});
    return block;
}

platform::Bytes Panel::dumpFrame() const
{
    Bytes frame = DumpStart;
    frame.insert(frame.end(), image.begin(), image.end());
    append(frame, deviceInfoBlock());
    std::uint8_t checksum = sum8(frame.begin() + static_cast<long>(DumpStart.size()), frame.end());
    frame.push_back(static_cast<std::uint8_t>(checksum + (badDumpChecksum ? 1 : 0)));
    append(frame, DumpEnd);
    return frame;
}

platform::Bytes Panel::clockFrame() const
{
    // CLK: "yy/mm/dd,hh:mm:ss" and a line end, as the GSM module reports it.
    Bytes frame = ClockStart;
    append(frame, {' ', '"'});
    appendField(frame, clockText, 17);
    append(frame, {'"', 0x0D, 0x0A});
    return frame;
}

platform::Bytes Panel::writeAck() { return Ack; }

platform::Bytes Panel::writeNak() { return Nak; }

}  // namespace sim
