#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "image/codes.h"
#include "image/image_map.h"
#include "link/hex_text.h"
#include "platform/bytes.h"

namespace image_test {

// A dump frame put together byte by byte, as the panel sends it.
struct DumpBuilder {
    image::Image image{};
    std::array<std::uint8_t, image::info::Size> info{};

    DumpBuilder& byte(int offset, std::uint8_t value)
    {
        image.at(offset) = value;
        return *this;
    }
    DumpBuilder& chars(int offset, std::string_view text)
    {
        for (char c : text)
            image.at(offset++) = static_cast<std::uint8_t>(c);
        return *this;
    }

    // The frame: marker, image, information block, checksum (moved by
    // `checksumError`), tail, then anything that followed on the line.
    platform::Bytes frame(int checksumError = 0) const
    {
        platform::Bytes out = {0x4C, 0x4F, 0x08, 0x02};
        out.insert(out.end(), image.begin(), image.end());
        out.insert(out.end(), info.begin(), info.end());
        unsigned sum = image::checksum(image) + image::checksum(info) + checksumError;
        out.push_back(static_cast<std::uint8_t>(sum));
        for (std::uint8_t b : {0x54, 0x41, 0x49, 0x4C, 0x01, 0x02, 0x03})
            out.push_back(b);
        return out;
    }
    // The dump text as the poll cycle hands it over.
    std::string text(int checksumError = 0) const
    {
        std::string t = devlink::hexText(frame(checksumError));
        t.pop_back();  // the receive text's last character is not taken
        return t;
    }
};

// An image written out as lines of an offset and sixteen hexadecimal bytes;
// lines starting with "#" are comments.
inline image::Image readImageFixture(const std::string& name)
{
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "fixtures" / name);
    if (!in)
        throw std::runtime_error("no fixture " + name);
    image::Image img{};
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int offset = 0;
        fields >> offset;
        std::string hex;
        while (fields >> hex)
            img.at(offset++) = static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16));
    }
    return img;
}

}  // namespace image_test
