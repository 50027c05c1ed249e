#pragma once
#include <optional>
#include <string>

namespace platform {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string filter;       // "Description|*.ext|", as the programs write it
    std::string initialName;  // proposed file name, may be empty
    bool mustExist = false;   // open dialog: the chosen file must exist
    bool forSaving = false;   // save dialog
};

// The outside of a program's window: message boxes, file dialogs,
// opening web addresses and ending the program. Modal dialogs keep the
// window's timers running.
class Host {
public:
    virtual ~Host() = default;
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title,
                                     MessageIcon icon, MessageButtons buttons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
    virtual void openUrl(const std::string& url) = 0;
    virtual void quit() = 0;
};

}  // namespace platform
