#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "editor/main_window.h"

// The input rules of the editor's text fields. Each rule turns any text
// into a valid one (cut, fallback or the previous text); the pure forms
// are here, the wiring to the window in validation.cpp.
namespace editor {

// The last text of each free-text field that was accepted with fewer
// than 32 characters; empty when the program starts.
struct RememberedTexts {
    std::array<std::string, 8> prev_short;  // Text_short1 to Text_short8
    std::string prev_Text_email;
    std::string prev_Text_topic;
};

// Hooks every rule to its field and returns the remembered texts, which
// the reactions keep alive for as long as the window has them.
std::shared_ptr<RememberedTexts> wireValidationRules(MainWindow& w);

namespace rules {

// Whole numbers 0 to 255: cut at the first non-digit; empty or too large
// gives the fallback. Leading zeros stay.
std::string byteNumber(std::string_view text, std::string_view fallback);
// -128 to 127 with an optional leading sign; a lone sign is kept so that
// typing can go on; empty or out of range gives the fallback.
std::string signedByte(std::string_view text, std::string_view fallback);
// The SMS access code: at most two digits or letters, else "5j".
std::string accessCode(std::string_view text);
// Printable ASCII cut at the first other character; a text of 32 or more
// characters is refused and the remembered one comes back. An accepted
// text becomes the remembered one. Empty text stays empty.
std::string freeText(std::string_view text, std::string& remembered);
// Names of inputs and outputs: at most four digits or letters.
std::string shortName(std::string_view text);
// Telephone numbers: digits, a "+" only in front, at most 13 characters.
std::string telephone(std::string_view text);
// Cut at the first character not in `allowed`, then to `maxLength`.
std::string restricted(std::string_view text, std::string_view allowed, std::size_t maxLength);
// A threshold in tenths of a volt as text: 130 gives "13" + separator + "0".
std::string tenths(int value, std::string_view decimalSeparator);

}  // namespace rules
}  // namespace editor
