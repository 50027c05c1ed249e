#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace sim {
namespace {

// Bytes unread for longer than this are taken as sent to nobody.
constexpr std::chrono::milliseconds StaleAfter{2500};

[[noreturn]] void fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

PseudoTerminal::PseudoTerminal()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        ::close(master_);
        fail("grantpt/unlockpt");
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        ::close(master_);
        fail("ptsname");
    }
    path_ = name;
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        ::close(master_);
        fail("open " + path_);
    }
    termios raw{};
    if (::tcgetattr(slave_, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::cfsetspeed(&raw, B9600);
        ::tcsetattr(slave_, TCSANOW, &raw);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    lastSend_ = std::chrono::steady_clock::now();
}

PseudoTerminal::~PseudoTerminal()
{
    ::close(slave_);
    ::close(master_);
}

platform::Bytes PseudoTerminal::readFromComputer()
{
    platform::Bytes bytes;
    std::uint8_t chunk[4096];
    for (;;) {
        ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n > 0) {
            bytes.insert(bytes.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return bytes;  // nothing more for now (EAGAIN), or an error
    }
}

void PseudoTerminal::sendToComputer(const platform::Bytes& bytes)
{
    auto now = std::chrono::steady_clock::now();
    int unread = 0;
    if (now - lastSend_ > StaleAfter && ::ioctl(slave_, FIONREAD, &unread) == 0 && unread > 0)
        ::tcflush(slave_, TCIFLUSH);
    lastSend_ = now;

    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // the line is full: nobody reads, the rest is lost as on a real line
        }
    }
}

}  // namespace sim
