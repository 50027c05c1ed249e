#include "files/wire.h"

#include "files/caption_file.h"
#include "files/config_commands.h"
#include "files/file_io.h"

namespace files {

void wire(editor::MainWindow& w)
{
    w.button("Command_save_file").onClick = [&w] { saveConfigurationFile(w); };
    w.button("Command_open_file").onClick = [&w] { openConfigurationFile(w); };
    w.save_configuration = [&w] { saveConfigurationFile(w); };
    w.load_c_file = [&w] { load_c_file(w); };
    w.save_c_file = [&w] { save_c_file(w); };
}

bool captionFileExists() { return fileExists(kCaptionFileName); }

}  // namespace files
