#pragma once
#include <string>
#include <string_view>

// Texts on the wire are single bytes in the Windows-1251 code page; inside
// the program they are UTF-8.
namespace devlink {

// Each byte becomes one character; a byte the code page leaves undefined
// becomes "?".
std::string cp1251ToUtf8(std::string_view bytes);
// Each character becomes one byte; a character the code page cannot
// write becomes "?".
std::string utf8ToCp1251(std::string_view text);

}  // namespace devlink
