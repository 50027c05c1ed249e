#include "files/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/error.h"

namespace files {
namespace {

[[noreturn]] void raise(int err)
{
    using namespace platform;
    switch (err) {
    case ENOENT: throw Error(errc::FileNotFound, "File not found");
    case ENOTDIR: throw Error(errc::PathNotFound, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS: throw Error(errc::PermissionDenied, "Permission denied");
    case ENOSPC: throw Error(61, "Disk full");
    case EISDIR: throw Error(75, "Path/File access error");
    default: throw Error(errc::DeviceIo, std::string("Device I/O error: ") + std::strerror(err));
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    int close()
    {
        int r = 0;
        if (fd_ >= 0)
            r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

std::string directoryOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string readWholeFile(const std::string& path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        raise(errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        raise(errno);
    if (S_ISDIR(st.st_mode))
        raise(EISDIR);
    std::string bytes;
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raise(errno);
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

void replaceFile(const std::string& path, std::string_view bytes)
{
    if (path.empty() || path.back() == '/')
        raise(ENOENT);
    std::string temp = directoryOf(path) + "/." + path.substr(path.find_last_of('/') + 1) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    Descriptor fd(::mkstemp(name.data()));
    if (fd.get() < 0)
        raise(errno);
    temp = name.data();
    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        raise(err);
    };

    // The new file gets the old one's permissions, or the usual ones.
    struct stat old {};
    mode_t mode;
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            fail(EISDIR);
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd.get(), mode);

    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0)
        fail(errno);
    if (fd.close() != 0)
        fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail(errno);
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos)
            break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

}  // namespace files
