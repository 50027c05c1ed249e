#pragma once
#include <string>
#include <string_view>
#include <vector>

// Whole-file reading and writing for the configurator's text files. Both
// raise platform::Error with the number and description the user is shown.
namespace files {

// The file's bytes.
std::string readWholeFile(const std::string& path);

// Writes the bytes to a new file beside `path` and only when it is complete
// renames it over `path`; a failed write leaves any old file untouched.
void replaceFile(const std::string& path, std::string_view bytes);

bool fileExists(const std::string& path);

// The lines of a text, without their ends. A line ends with CR LF or a lone
// LF; the empty piece after a final line end is not a line.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace files
