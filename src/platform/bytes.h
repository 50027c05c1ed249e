#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Raw bytes as they pass on the line.
using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }
inline std::string textOf(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace platform
