#pragma once
#include <memory>

#include "editor/main_window.h"
#include "editor/procedures.h"
#include "editor/start_up.h"
#include "editor/validation.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "sim/unconnected_port.h"
#include "platform/virtual_event_loop.h"

namespace fuzz {

// The main window with every editor reaction hooked, after its start-up
// (which stops at the missing logo, after the factory settings).
struct StartedWindow {
    StartedWindow()
    {
        editor::wireGrids(w);
        editor::wireOutputModes(w);
        remembered = editor::wireValidationRules(w);
        editor::wireCheckBoxes(w);
        editor::start_up_with_failure_path(w, true);
    }

    platform::VirtualEventLoop loop;
    sim::UnconnectedPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional;
    editor::MainWindow w{editor::Services{loop, port, host, clock, regional}};
    std::shared_ptr<editor::RememberedTexts> remembered;
};

}  // namespace fuzz
