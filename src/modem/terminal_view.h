#pragma once
#include "editor/main_window.h"

namespace modem {

// The terminal view `Text_at` shows what the port receives. It keeps only
// the newest characters: past 120 characters it is cut to its last 60, and
// the caret stays at the end so the newest text is in sight.
void wireTerminalView(editor::MainWindow& w);

}  // namespace modem
