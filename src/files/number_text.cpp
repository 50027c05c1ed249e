#include "files/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/error.h"

namespace files::number_text {
namespace {

[[noreturn]] void typeMismatch() { throw platform::Error(platform::errc::TypeMismatch, "Type mismatch"); }
[[noreturn]] void overflow() { throw platform::Error(platform::errc::Overflow, "Overflow"); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Round half to even, as the toolkit's whole-number conversions do.
double roundEven(double v)
{
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5)
        r = 2.0 * std::round(v / 2.0);
    return r;
}

template <class T>
T toWhole(double v)
{
    double r = roundEven(v);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        overflow();
    return static_cast<T>(r);
}

}  // namespace

double toDouble(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only plain decimal notation: no "inf", "nan", hexadecimal or a second sign.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        typeMismatch();
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        overflow();
    if (ec != std::errc() || end != text.data() + text.size())
        typeMismatch();
    return negative ? -value : value;
}

std::int16_t toInt16(std::string_view text) { return toWhole<std::int16_t>(toDouble(text)); }
std::int32_t toInt32(std::string_view text) { return toWhole<std::int32_t>(toDouble(text)); }
std::int32_t toInt32(double value) { return toWhole<std::int32_t>(value); }
bool toTruth(std::string_view text) { return toDouble(text) != 0.0; }

}  // namespace files::number_text
