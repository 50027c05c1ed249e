#pragma once
#include "editor/main_window.h"

// The window's commands "сохранить файл" and "открыть файл".
namespace files {

inline constexpr const char* kConfigFilter = " Files (*.cfq)|*.cfq|";
inline constexpr const char* kSaveTitle = "Сохранить в файл конфигурацию";
inline constexpr const char* kOpenTitle = "Открыть файл с конфигурацией";

// Command_save_file: asks for a file and writes the editor's settings to it.
// The old file of that name is replaced only by a complete new one.
void saveConfigurationFile(editor::MainWindow& w);

// Command_open_file: asks for a file and loads it into the editor. A file
// with a value its field refuses is reported with its line and key, and
// nothing of it is applied.
void openConfigurationFile(editor::MainWindow& w);

}  // namespace files
