#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/image_map.h"

namespace image {

// A received dump in HexText, from its first marker byte on; it may run on
// past the frame's end. Reading it raises platform::Error when a pair of
// characters is missing or not hexadecimal.
class DumpText {
public:
    // Reads the image, the information block and the checksum byte.
    explicit DumpText(std::string text);

    const Image& image() const { return image_; }
    std::uint8_t at(int offset) const { return image_.at(offset); }
    const std::array<std::uint8_t, info::Size>& info() const { return info_; }
    std::uint8_t checksumByte() const { return checksum_; }
    // The panel's checksum over the image and the information block holds.
    bool checksumHolds() const;

    // Image offset of the first byte of that value at or after `offset`,
    // searched over the rest of the received text.
    std::optional<int> find(int offset, std::uint8_t value) const;
    // The bytes from image offset `first` up to, not including, `end`; empty
    // when end <= first. The bytes may lie past the image.
    std::string bytes(int first, int end) const;

private:
    std::uint8_t frameByte(std::size_t k) const;

    std::string text_;
    Image image_{};
    std::array<std::uint8_t, info::Size> info_{};
    std::uint8_t checksum_ = 0;
};

}  // namespace image
