#pragma once
#include "editor/main_window.h"

namespace editor {

// The start-up sequence with its failure path: an error stops the
// sequence, is shown as a critical message titled "Error#" and its number,
// and a caption file with the current captions is written when none
// exists. The window stays in whatever state the sequence reached.
void start_up_with_failure_path(MainWindow& w, bool captionFileExists);

}  // namespace editor
