#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace platform {

// A host for tests: records every request and answers from a script.
class ScriptedHost : public Host {
public:
    struct Message {
        std::string text, title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
    void openUrl(const std::string& url) override { urls.push_back(url); }
    void quit() override { quitCalled = true; }

    // Answers used in order; Ok (or Yes for Yes/No) once the script is empty.
    std::deque<MessageAnswer> answers;
    // Paths used in order; an empty optional cancels. Cancel once empty.
    std::deque<std::optional<std::string>> files;

    std::vector<Message> messages;
    std::vector<FileDialogRequest> dialogs;
    std::vector<std::string> urls;
    bool quitCalled = false;
};

}  // namespace platform
