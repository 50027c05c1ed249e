#pragma once
#include <QString>
#include <functional>

#include "platform/host.h"

namespace qt {

// Message boxes, file dialogs and web addresses on Qt. The dialogs are
// modal and run their own event processing, so the window's timers keep
// running while they are open.
class QtHost : public platform::Host {
public:
    platform::MessageAnswer messageBox(const std::string& text, const std::string& title,
                                       platform::MessageIcon icon, platform::MessageButtons buttons) override;
    std::optional<std::string> fileDialog(const platform::FileDialogRequest& request) override;
    void openUrl(const std::string& url) override;
    void quit() override;

    // Runs instead of leaving the event loop when set (the program closes its windows).
    std::function<void()> onQuit;

    // "Config files|*.cfq|All|*.*|" becomes "Config files (*.cfq);;All (*.*)".
    static QString qtFilter(const std::string& filter);
};

}  // namespace qt
