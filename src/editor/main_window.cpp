#include "editor/main_window.h"

#include "editor/layout/form1_layout.h"
#include "editor/layout/help_layout.h"

namespace editor {

MainWindow::MainWindow(Services s) : MainWindow(s, layout::form1Spec(), layout::helpSpec()) {}

MainWindow::MainWindow(Services s, const ui::WindowSpec& form1Spec, const ui::WindowSpec& helpSpec)
    : services(s), form1(form1Spec, s.loop), help(helpSpec, s.loop)
{
}

void MainWindow::enableWorkingControls()
{
    for (const char* name : {"Command_set_time", "Command_flat", "Command_open_file", "Command_save_file",
                             "Command_receiv", "Command_send"})
        button(name).setEnabled(true);
    tabs().setEnabled(true);
}

}  // namespace editor
