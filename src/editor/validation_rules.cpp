#include "editor/validation.h"

#include "ui/utf8.h"

namespace editor::rules {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isPrintable(char c) { return c >= 32 && c <= 126; }  // bytes of other characters are outside

// The text up to its first character (from `from` on) that fails `ok`.
// Non-ASCII characters fail every test, so cutting at a byte is safe.
template <class Ok>
std::string_view cutAtFirstBad(std::string_view text, std::size_t from, Ok ok)
{
    for (std::size_t i = from; i < text.size(); ++i)
        if (!ok(text[i]))
            return text.substr(0, i);
    return text;
}

// The value of a run of digits, or max + 1 once it passes max.
long long digitsValue(std::string_view digits, long long max)
{
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > max)
            return max + 1;
    }
    return value;
}

}  // namespace

std::string byteNumber(std::string_view text, std::string_view fallback)
{
    std::string_view digits = cutAtFirstBad(text, 0, isDigit);
    if (digits.empty() || digitsValue(digits, 255) > 255)
        return std::string(fallback);
    return std::string(digits);
}

std::string signedByte(std::string_view text, std::string_view fallback)
{
    if (text.empty())
        return std::string(fallback);
    bool sign = text[0] == '-' || text[0] == '+';
    std::string_view kept = cutAtFirstBad(text, sign ? 1 : 0, isDigit);
    if (kept.empty())
        return std::string(fallback);
    if (kept == "+" || kept == "-")
        return std::string(kept);
    bool negative = kept[0] == '-';
    long long magnitude = digitsValue(kept.substr(sign ? 1 : 0), 1000);
    long long value = negative ? -magnitude : magnitude;
    if (value < -128 || value > 127)
        return std::string(fallback);
    return std::string(kept);
}

std::string accessCode(std::string_view text)
{
    std::string code = ui::utf8::left(text, 2);
    for (char c : code)
        if (!isDigit(c) && !isLetter(c))
            return "5j";
    return code;
}

std::string freeText(std::string_view text, std::string& remembered)
{
    if (text.empty())
        return {};
    std::string_view printable = cutAtFirstBad(text, 0, isPrintable);
    if (printable.size() < 32) {
        remembered = std::string(printable);
        return remembered;
    }
    return remembered;
}

std::string shortName(std::string_view text)
{
    std::string name = ui::utf8::left(text, 4);
    return std::string(cutAtFirstBad(name, 0, [](char c) { return isDigit(c) || isLetter(c); }));
}

std::string telephone(std::string_view text)
{
    if (text.empty())
        return {};
    std::size_t from = text[0] == '+' ? 1 : 0;
    std::string_view number = cutAtFirstBad(text, from, isDigit);
    return std::string(number.substr(0, 13));
}

std::string restricted(std::string_view text, std::string_view allowed, std::size_t maxLength)
{
    std::string_view kept =
        cutAtFirstBad(text, 0, [allowed](char c) { return allowed.find(c) != std::string_view::npos; });
    return std::string(kept.substr(0, maxLength));
}

std::string tenths(int value, std::string_view decimalSeparator)
{
    return std::to_string(value / 10) + std::string(decimalSeparator) + std::to_string(value % 10);
}

}  // namespace editor::rules
