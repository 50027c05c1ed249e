#pragma once
#include "editor/main_window.h"

namespace files {

// Hooks the configuration file commands and the caption file to the window:
// the clicks of Command_save_file and Command_open_file, and the hooks
// save_configuration, load_c_file and save_c_file.
void wire(editor::MainWindow& w);

// Whether the caption file exists in the working directory; the start-up's
// failure path writes one only when it does not.
bool captionFileExists();

}  // namespace files
