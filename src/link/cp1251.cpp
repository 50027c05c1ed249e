#include "link/cp1251.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>


namespace devlink {

namespace {

// Converts with iconv, one input unit at a time on failure, so that one bad
// unit costs one "?" and the rest still converts.
std::string convert(const char* to, const char* from, std::string_view input, bool utf8Input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no converter from ") + from + " to " + to);
    std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);

    std::string out;
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char chunk[256];
    while (inLeft > 0) {
        char* o = chunk;
        std::size_t oLeft = sizeof chunk;
        std::size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(chunk, static_cast<std::size_t>(o - chunk));
        if (r != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // Skip one unit: one byte, or one whole UTF-8 character.
        std::size_t skip = 1;
        if (utf8Input) {
            unsigned char lead = static_cast<unsigned char>(*in);
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (skip > inLeft)
                skip = inLeft;
        }
        out += '?';
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) { return convert("UTF-8", "CP1251", bytes, false); }

std::string utf8ToCp1251(std::string_view text) { return convert("CP1251", "UTF-8", text, true); }

}  // namespace devlink
