#pragma once
#include <cstdint>
#include <span>

// How numbers are coded in the configuration image.
namespace image {

// v / d rounded to the nearest whole number, a tie going to the even one
// (v >= 0, d > 0).
int roundHalfEven(int v, int d);

// Thresholds in tenths of a volt are stored in units of 0.11 V.
inline int voltageCode(int tenths) { return roundHalfEven(tenths * 10, 11); }
inline int voltageTenths(std::uint8_t code) { return roundHalfEven(code * 11, 10); }

// Temperatures in whole degrees are stored as t + 128.
inline int temperatureCode(int degrees) { return degrees + 128; }
inline int temperatureDegrees(std::uint8_t code) { return code - 128; }

// The 8-bit sum of the bytes.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);

}  // namespace image
