#include "platform/scripted_host.h"

namespace platform {

MessageAnswer ScriptedHost::messageBox(const std::string& text, const std::string& title,
                                       MessageIcon icon, MessageButtons buttons)
{
    messages.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<std::string> ScriptedHost::fileDialog(const FileDialogRequest& request)
{
    dialogs.push_back(request);
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

}  // namespace platform
