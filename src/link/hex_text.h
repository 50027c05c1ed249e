#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bytes.h"

// The receive text `Buffer` holds every received byte as three characters:
// two upper-case hexadecimal digits and a space ("4C " for 0x4C). Positions
// in it are 1-based character positions; 0 means "not found".
namespace devlink {

// Appends "XX " for each byte.
void appendHexText(std::string& buffer, const platform::Bytes& bytes);
std::string hexText(const platform::Bytes& bytes);

// First occurrence of `text` at or after 1-based position `start`, letter
// case ignored; 0 when there is none.
std::size_t search(const std::string& buffer, std::string_view text, std::size_t start = 1);

// Value of byte k of a frame whose first character is at 1-based position p:
// the two digits at p + 3k and p + 3k + 1. Missing or non-hexadecimal digits
// raise platform::Error (type mismatch).
std::uint8_t frameByte(const std::string& buffer, std::size_t p, std::size_t k);

// Keeps only the characters from 1-based position `from` to the end.
void keepFrom(std::string& buffer, std::size_t from);

}  // namespace devlink
