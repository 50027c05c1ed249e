#pragma once
#include <string>
#include <utility>

#include "editor/main_window.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "support/no_port.h"

namespace support {

// The main window alone: built from its table, nothing hooked, no line to a panel.
struct BareWindow {
    explicit BareWindow(std::string decimalSeparator = ".") : regional(std::move(decimalSeparator)) {}

    platform::VirtualEventLoop loop;
    NoPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional;
    editor::MainWindow w{editor::Services{loop, port, host, clock, regional}};
};

}  // namespace support
