#pragma once
#include "editor/main_window.h"
#include "platform/error.h"

namespace files {

// Hooks the configuration file commands and the caption file to the window:
// the clicks of Command_save_file and Command_open_file, and the hooks
// save_configuration, load_c_file and save_c_file.
void wire(editor::MainWindow& w);

// The window set-up stopped with this error: show it ("Error#" and the
// number, critical icon), then write the caption file when none exists.
void startUpFailed(editor::MainWindow& w, const platform::Error& error);

}  // namespace files
