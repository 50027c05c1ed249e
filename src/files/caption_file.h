#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_window.h"

// The caption file "q_c_RZ4_5.txt" in the working directory: key TAB caption
// lines that rename a fixed set of the window's texts at start-up.
namespace files {

inline constexpr const char* kCaptionFileName = "q_c_RZ4_5.txt";

// One text of the window that the caption file can change.
struct CaptionEntry {
    enum class Target { WindowTitle, ButtonCaption, CheckCaption, ListEntry, GridCell };
    std::string key;
    Target target;
    std::string control;
    int index = 0;             // list entry, or grid row
    int col = 0;               // grid column
    int defaultSelection = 0;  // list: the entry selected after a change
};

// The 85 entries in file order.
const std::vector<CaptionEntry>& captionEntries();

// The whole file for the window's current texts: 8 header lines, then the
// entries; Windows-1251, CR LF. Each list ends on its default entry.
std::string captionFileText(editor::MainWindow& w);
// Applies every line whose key is one of the entries; other lines are passed over.
void applyCaptionFile(editor::MainWindow& w, std::string_view bytes);

// Reads the caption file and applies it; a missing file raises platform::Error 53.
void load_c_file(editor::MainWindow& w);
// Writes the caption file from the window's current texts.
void save_c_file(editor::MainWindow& w);

// Replaces entry `index` (0 to 14) of output n's mode list and selects its
// default mode again, so that the mode's reaction runs.
void save_temp_out(editor::MainWindow& w, int output, const std::string& text, int index);

}  // namespace files
