#include "ui/utf8.h"

namespace ui::utf8 {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character n, or the text's size when it has fewer.
std::size_t offsetOf(std::string_view text, std::size_t n)
{
    std::size_t i = 0;
    while (i < text.size() && n > 0) {
        ++i;
        while (i < text.size() && isContinuation(static_cast<unsigned char>(text[i])))
            ++i;
        --n;
    }
    return i;
}

}  // namespace

std::size_t length(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++n;
    return n;
}

std::string left(std::string_view text, std::size_t n) { return std::string(text.substr(0, offsetOf(text, n))); }

std::string right(std::string_view text, std::size_t n)
{
    std::size_t len = length(text);
    if (n >= len)
        return std::string(text);
    return std::string(text.substr(offsetOf(text, len - n)));
}

std::string mid(std::string_view text, std::size_t from, std::size_t n)
{
    std::size_t start = offsetOf(text, from);
    std::string_view rest = text.substr(start);
    if (n == std::string::npos)
        return std::string(rest);
    return std::string(rest.substr(0, offsetOf(rest, n)));
}

std::u32string decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        char32_t cp;
        int extra;
        if (c < 0x80) {
            cp = c;
            extra = 0;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        ++i;
        for (int k = 0; k < extra && i < text.size() && isContinuation(static_cast<unsigned char>(text[i])); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

std::string encode(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string encode(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text)
        out += encode(c);
    return out;
}

}  // namespace ui::utf8
