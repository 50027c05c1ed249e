#pragma once
#include <string>
#include <string_view>

// Files, the wire and the configuration image carry single bytes in the
// Windows-1251 code page; inside the program texts are UTF-8.
namespace ui::cp1251 {

// Each byte becomes one character (the one byte the code page leaves
// undefined, 0x98, keeps its own code point so that it survives a round trip).
std::string toUtf8(std::string_view bytes);
// Each character becomes one byte; a character the code page cannot hold,
// and a byte that is not valid UTF-8, becomes "?".
std::string fromUtf8(std::string_view text);

}  // namespace ui::cp1251
