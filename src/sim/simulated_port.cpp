#include "sim/simulated_port.h"

#include <memory>

#include "platform/error.h"

namespace sim {
namespace {

// A byte on the line: start bit, eight data bits, stop bit.
constexpr long BitsPerByte = 10;
constexpr long MicrosPerMilli = 1000;

long nowMicros(const platform::EventLoop& loop) { return static_cast<long>(loop.now().count()) * MicrosPerMilli; }

// The first whole millisecond at or after a moment on the line.
long millisReached(long micros) { return (micros + MicrosPerMilli - 1) / MicrosPerMilli; }

}  // namespace

SimulatedPort::SimulatedPort(platform::EventLoop& loop, Device& device)
    : loop_(loop), device_(device), alive_(std::make_shared<bool>(true))
{
}

SimulatedPort::~SimulatedPort() { *alive_ = false; }

void SimulatedPort::setPortNumber(int number) { portNumber_ = number; }

void SimulatedPort::setDevicePath(const std::string& path) { devicePath_ = path; }

void SimulatedPort::setSettings(const std::string& settings) { settings_ = platform::PortSettings::parse(settings); }

void SimulatedPort::setHandshaking(int mode)
{
    if (mode < 0 || mode > 3)
        throw platform::Error(platform::errc::InvalidPropertyValue, "Invalid property value");
    handshaking_ = mode;
}

void SimulatedPort::open()
{
    if (openFailure_) {
        auto [number, description] = *openFailure_;
        openFailure_.reset();
        throw platform::Error(number, description);
    }
    if (open_)
        throw platform::Error(platform::errc::PortAlreadyOpen, "Port already open");
    open_ = true;
    device_.attach(*this);
}

void SimulatedPort::failOpen(int number, const std::string& description)
{
    openFailure_ = std::make_pair(number, description);
}

void SimulatedPort::injectLineError(platform::PortEvent event)
{
    if (onEvent)
        onEvent(event);
}

long SimulatedPort::byteMicros() const { return BitsPerByte * 1'000'000L / settings_.baud; }

int SimulatedPort::outBufferCount() const { return static_cast<int>(outQueued_); }

void SimulatedPort::write(const platform::Bytes& bytes)
{
    if (!open_)
        throw platform::Error(platform::errc::PortNotOpen, "Port not open");
    written_.insert(written_.end(), bytes.begin(), bytes.end());
    writes_.push_back({loop_.now(), bytes});
    outQueued_ += static_cast<long>(bytes.size());
    scheduleOnLine(bytes, outLineFreeMicros_, [this](const platform::Bytes& arrived) {
        outQueued_ -= static_cast<long>(arrived.size());
        device_.receiveFromComputer(arrived);
    });
}

void SimulatedPort::sendToComputer(const platform::Bytes& bytes)
{
    scheduleOnLine(bytes, inLineFreeMicros_, [this](const platform::Bytes& arrived) {
        received_.insert(received_.end(), arrived.begin(), arrived.end());
        if (onEvent)
            onEvent(platform::PortEvent::Receive);
    });
}

platform::Bytes SimulatedPort::readAll()
{
    platform::Bytes all;
    all.swap(received_);
    return all;
}

void SimulatedPort::scheduleOnLine(const platform::Bytes& bytes, long& lineFreeMicros,
                                   std::function<void(const platform::Bytes&)> arrive)
{
    if (bytes.empty())
        return;
    const long now = nowMicros(loop_);
    const long start = lineFreeMicros > now ? lineFreeMicros : now;
    // Each finishing time is computed from the start of the write, so the
    // rounding of one byte's line time never adds up over a long write.
    auto finishOf = [&](std::size_t index) {
        return start + static_cast<long>(index + 1) * BitsPerByte * 1'000'000L / settings_.baud;
    };
    auto shared = std::make_shared<std::function<void(const platform::Bytes&)>>(std::move(arrive));
    std::size_t first = 0;
    while (first < bytes.size()) {
        const long dueMillis = millisReached(finishOf(first));
        std::size_t last = first + 1;
        while (last < bytes.size() && millisReached(finishOf(last)) == dueMillis)
            ++last;
        platform::Bytes batch(bytes.begin() + static_cast<long>(first), bytes.begin() + static_cast<long>(last));
        const int delay = static_cast<int>(dueMillis - loop_.now().count());
        loop_.callLater(delay, [alive = alive_, shared, batch = std::move(batch)] {
            if (*alive)
                (*shared)(batch);
        });
        first = last;
    }
    lineFreeMicros = finishOf(bytes.size() - 1);
}

}  // namespace sim
