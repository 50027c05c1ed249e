#pragma once
#include <cstdint>
#include <string_view>

// Numbers written as text in the configuration file, converted the way the
// window toolkit converts them: blanks around the number are allowed, an
// optional sign, digits with an optional "." fraction and exponent; whole
// numbers are rounded half to even. A text that is no number (an empty
// text included) raises platform::Error 13, a number out of range Error 6.
namespace files::number_text {

double toDouble(std::string_view text);
std::int16_t toInt16(std::string_view text);
std::int32_t toInt32(std::string_view text);
std::int32_t toInt32(double value);
// 0 is false, any other number true.
bool toTruth(std::string_view text);

}  // namespace files::number_text
