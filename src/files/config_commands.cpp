#include "files/config_commands.h"

#include "editor/procedures.h"
#include "files/config_reader.h"
#include "files/config_writer.h"
#include "files/file_io.h"
#include "platform/error.h"

namespace files {
namespace {

// The program's title: the window's design caption.
std::string programTitle(const editor::MainWindow& w) { return w.form1.spec().caption; }

void showError(editor::MainWindow& w, const std::string& text)
{
    w.services.host.messageBox(text, programTitle(w), platform::MessageIcon::None, platform::MessageButtons::Ok);
}

// The chosen path; raises the dialog's cancel error when there is none.
std::string askForFile(editor::MainWindow& w, const char* title, std::string initialName, bool forSaving)
{
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = kConfigFilter;
    request.initialName = std::move(initialName);
    request.mustExist = !forSaving;
    request.forSaving = forSaving;
    auto path = w.services.host.fileDialog(request);
    if (!path)
        throw platform::Error(platform::errc::DialogCancelled, "Cancel was selected.");
    return *path;
}

void showChosenPath(editor::MainWindow& w, const std::string& path)
{
    ui::TextField& field = w.text("Text_file_name");
    field.setText(path);
    field.selectAll();
}

}  // namespace

void saveConfigurationFile(editor::MainWindow& w)
{
    w.work_with_file = true;
    w.label("Label_ok").setCaption("");
    clampLowBattery(w);
    try {
        std::string path = askForFile(w, kSaveTitle, proposedFileName(w), true);
        if (!path.empty()) {
            showChosenPath(w, path);
            replaceFile(path, encodeConfiguration(configurationEntries(w)));
        }
    } catch (const platform::Error& e) {
        showError(w, e.description());
        w.work_with_file = false;
        return;
    }
    w.services.loop.processEvents();
    w.work_with_file = false;
}

void openConfigurationFile(editor::MainWindow& w)
{
    w.work_with_file = true;
    w.label("Label_ok").setCaption("");
    try {
        std::string path = askForFile(w, kOpenTitle, {}, false);
        if (!path.empty()) {
            showChosenPath(w, path);
            std::vector<ConfigLine> lines = splitConfiguration(readWholeFile(path));
            if (auto fault = checkConfiguration(w, lines)) {
                showError(w, fault->error.description() + "\nстрока " + std::to_string(fault->line) + ": " +
                                 fault->key);
                w.work_with_file = false;
                return;
            }
            applyConfiguration(w, lines);
        }
    } catch (const platform::Error& e) {
        showError(w, e.description());
        w.work_with_file = false;
        return;
    }
    w.work_with_file = false;
    editor::all_check(w);
    editor::csd_input_grid(w);
    editor::sxema(w);
    editor::clear_unused_inputs(w);
    w.services.loop.processEvents();
}

}  // namespace files
