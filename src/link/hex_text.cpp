#include "link/hex_text.h"

#include <algorithm>
#include <cctype>

#include "platform/error.h"

namespace devlink {

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

void appendHexText(std::string& buffer, const platform::Bytes& bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    buffer.reserve(buffer.size() + 3 * bytes.size());
    for (std::uint8_t b : bytes) {
        buffer += digits[b >> 4];
        buffer += digits[b & 0x0F];
        buffer += ' ';
    }
}

std::string hexText(const platform::Bytes& bytes)
{
    std::string text;
    appendHexText(text, bytes);
    return text;
}

std::size_t search(const std::string& buffer, std::string_view text, std::size_t start)
{
    if (start < 1)
        start = 1;
    if (text.empty() || start > buffer.size())
        return 0;
    auto same = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    };
    auto it = std::search(buffer.begin() + static_cast<std::ptrdiff_t>(start - 1), buffer.end(), text.begin(),
                          text.end(), same);
    return it == buffer.end() ? 0 : static_cast<std::size_t>(it - buffer.begin()) + 1;
}

std::uint8_t frameByte(const std::string& buffer, std::size_t p, std::size_t k)
{
    std::size_t at = p - 1 + 3 * k;  // 0-based index of the first digit
    int high = at < buffer.size() ? digitValue(buffer[at]) : -1;
    int low = at + 1 < buffer.size() ? digitValue(buffer[at + 1]) : -1;
    if (high < 0 || low < 0)
        throw platform::Error(platform::errc::TypeMismatch, "Type mismatch");
    return static_cast<std::uint8_t>(high * 16 + low);
}

void keepFrom(std::string& buffer, std::size_t from)
{
    if (from <= 1)
        return;
    if (from - 1 >= buffer.size())
        buffer.clear();
    else
        buffer.erase(0, from - 1);
}

}  // namespace devlink
