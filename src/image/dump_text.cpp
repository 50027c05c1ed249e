#include "image/dump_text.h"

#include <cctype>

#include "image/codes.h"
#include "link/hex_text.h"

namespace image {

DumpText::DumpText(std::string text) : text_(std::move(text))
{
    for (int k = 0; k < ImageSize; ++k)
        image_[k] = frameByte(dump::ImageFirst + k);
    for (int k = 0; k < info::Size; ++k)
        info_[k] = frameByte(dump::InfoFirst + k);
    checksum_ = frameByte(dump::ChecksumByte);
}

std::uint8_t DumpText::frameByte(std::size_t k) const { return devlink::frameByte(text_, 1, k); }

bool DumpText::checksumHolds() const
{
    unsigned sum = checksum(image_) + checksum(info_);
    return static_cast<std::uint8_t>(sum) == checksum_;
}

std::optional<int> DumpText::find(int offset, std::uint8_t value) const
{
    const char* digits = "0123456789ABCDEF";
    const char high = digits[value >> 4], low = digits[value & 0xF];
    for (std::size_t k = dump::ImageFirst + offset; 3 * k + 1 < text_.size(); ++k) {
        if (std::toupper(static_cast<unsigned char>(text_[3 * k])) == high &&
            std::toupper(static_cast<unsigned char>(text_[3 * k + 1])) == low)
            return static_cast<int>(k) - dump::ImageFirst;
    }
    return std::nullopt;
}

std::string DumpText::bytes(int first, int end) const
{
    std::string out;
    for (int offset = first; offset < end; ++offset)
        out += static_cast<char>(offset < ImageSize ? image_[offset] : frameByte(dump::ImageFirst + offset));
    return out;
}

}  // namespace image
