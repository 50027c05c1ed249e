#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "app/configurator.h"
#include "files/caption_file.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "support/no_port.h"
#include "support/settings.h"
#include "support/work_folder.h"

namespace support {

// The configurator as the program puts it together, with no line to a
// panel and not started yet; `start()` runs its start-up in the current folder.
struct Program {
    explicit Program(std::string decimalSeparator = ".") : regional(std::move(decimalSeparator)) {}

    void start() { app.start(); }

    std::string value(const std::string& key) const { return settingValue(w, key); }
    std::map<std::string, std::string> settings() const { return allSettings(w); }

    platform::VirtualEventLoop loop;
    NoPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional;
    app::Configurator app{{loop, port, host, clock, regional}};
    editor::MainWindow& w = app.window();
};

// The caption file the program writes on its first start in a folder with
// only the logo; made once per test run.
inline const std::string& firstStartCaptionFile()
{
    static const std::string bytes = [] {
        WorkFolder folder({.logo = true});
        Program first;
        first.start();
        std::ifstream in(files::kCaptionFileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

// A folder the program starts in without complaint: the logo and the
// caption file are there.
inline FolderContents readyFolder() { return {.logo = true, .captionFile = firstStartCaptionFile()}; }

// The program after a normal start-up in a ready folder of its own: the
// window holds the factory configuration and no message was shown.
struct EditorWindow : Program {
    explicit EditorWindow(std::string decimalSeparator = ".") : Program(std::move(decimalSeparator)) { start(); }

    WorkFolder folder{readyFolder()};
};

}  // namespace support
