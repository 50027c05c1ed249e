#pragma once
#include <string>
#include <vector>

#include "app/configurator.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "sim/panel.h"
#include "sim/simulated_port.h"

// The configurator wired to a simulated panel, in virtual time.
struct Session {
    platform::VirtualEventLoop loop;
    sim::Panel panel{loop};
    sim::SimulatedPort port{loop, panel};
    platform::ScriptedHost host;
    platform::FixedClock clock{{2010, 12, 9, 14, 5, 33}};
    platform::FixedRegional regional{"."};
    app::Configurator app{{loop, port, host, clock, regional}};
    editor::MainWindow& w = app.window();

    Session()
    {
        loop.setWaitLimit(std::chrono::minutes(10));
        app.start();
    }

    void connect() { w.button("Cmd(0)").userClick(); }

    // Runs until the panel has heard `count` commands (or the limit passes).
    bool runUntilHeard(std::size_t count, int limitMs = 30000)
    {
        return loop.runUntil([&] { return panel.heard().size() >= count; }, std::chrono::milliseconds(limitMs));
    }

    std::vector<std::string> heard() const
    {
        std::vector<std::string> names;
        for (const auto& h : panel.heard())
            names.push_back(h.command);
        return names;
    }

    // Connects and runs until the first read has been answered and one
    // keep-alive has gone out: the link is up and the controls unlocked.
    void linkUp()
    {
        connect();
        runUntilHeard(2);
    }

    bool enabled(const std::string& name) const { return w.form1.find(name)->enabled(); }
};
