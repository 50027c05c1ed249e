#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Texts inside the programs are UTF-8; lengths and cuts count characters.
namespace ui::utf8 {

std::size_t length(std::string_view text);
// The first n characters.
std::string left(std::string_view text, std::size_t n);
// The last n characters.
std::string right(std::string_view text, std::size_t n);
// Characters from position `from` (0-based), at most n of them.
std::string mid(std::string_view text, std::size_t from, std::size_t n = std::string::npos);
// Code point of each character in order.
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);
std::string encode(char32_t c);

}  // namespace ui::utf8
