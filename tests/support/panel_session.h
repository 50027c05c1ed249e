#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/configurator.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "sim/panel.h"
#include "sim/simulated_port.h"
#include "support/editor_window.h"
#include "support/settings.h"
#include "support/work_folder.h"

namespace support {

// The configurator and a simulated panel on a line of the given speed, in
// virtual time. It starts in a ready folder of its own, so nothing is in
// `host.messages` after the start.
struct PanelSession {
    explicit PanelSession(int baud = 9600)
    {
        loop.setWaitLimit(std::chrono::minutes(10));
        app.start();
        w.text("txtComSet").setText(std::to_string(baud) + ",n,8,1");
    }

    void connect() { w.button("Cmd(0)").userClick(); }

    // Connects and runs until the first read has been answered and one
    // keep-alive has gone out: the link is up.
    void linkUp()
    {
        connect();
        runUntilHeard(2);
    }
    // Connects and runs until the first read has been applied to the window
    // and its controls are unlocked again.
    void linkUpAndUnlocked()
    {
        connect();
        runUntil([&] { return w.label("Label_ok").caption() == "L    OK" && w.button("Command_send").enabled(); });
    }

    bool runUntil(const std::function<bool()>& condition, int limitMs = 60000)
    {
        return loop.runUntil(condition, std::chrono::milliseconds(limitMs));
    }
    // Runs until the panel has heard `count` commands (or the limit passes).
    bool runUntilHeard(std::size_t count, int limitMs = 30000)
    {
        return runUntil([&] { return panel.heard().size() >= count; }, limitMs);
    }

    // The commands the panel has heard, by name, in order.
    std::vector<std::string> heard() const
    {
        std::vector<std::string> names;
        for (const auto& h : panel.heard())
            names.push_back(h.command);
        return names;
    }

    bool enabled(const std::string& name) const { return w.form1.find(name)->enabled(); }
    std::map<std::string, std::string> settings() const { return allSettings(w); }

    WorkFolder folder{readyFolder()};
    platform::VirtualEventLoop loop;
    sim::Panel panel{loop};
    sim::SimulatedPort port{loop, panel};
    platform::ScriptedHost host;
    platform::FixedClock clock{{2010, 12, 9, 14, 5, 33}};
    platform::FixedRegional regional{"."};
    app::Configurator app{{loop, port, host, clock, regional}};
    editor::MainWindow& w = app.window();
};

}  // namespace support
