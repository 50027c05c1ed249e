#pragma once
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <unistd.h>

#include "app/configurator.h"
#include "editor/catalogue.h"
#include "editor/procedures.h"
#include "editor/validation.h"
#include "image/wiring.h"
#include "link/port_link.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "sim/panel.h"
#include "sim/simulated_port.h"

namespace image_test {

// The configurator and a simulated panel on a line of the given speed, in
// virtual time. The parts the configurator does not wire itself yet (the
// editor's reactions, the image) are wired here the same way.
struct PanelSession {
    explicit PanelSession(int baud = 9600)
    {
        loop.setWaitLimit(std::chrono::minutes(10));
        auto previous = std::filesystem::current_path();
        auto folder = std::filesystem::temp_directory_path() / ("image_session_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xD9";
        std::filesystem::current_path(folder);
        app.start();
        if (!w.text("Text_pin").onChange) {
            editor::wireGrids(w);
            editor::wireOutputModes(w);
            remembered = editor::wireValidationRules(w);
            editor::wireCheckBoxes(w);
            editor::start_up(w);
        }
        std::filesystem::current_path(previous);
        if (!w.decode_image) {
            link.emplace(w);
            image::wire(w, *link);
        }
        w.text("txtComSet").setText(std::to_string(baud) + ",n,8,1");
    }

    // Connects and runs until the first read has been applied and the
    // controls are unlocked again.
    void linkUp()
    {
        w.button("Cmd(0)").userClick();
        runUntil([&] { return w.label("Label_ok").caption() == "L    OK" && w.button("Command_send").enabled(); });
    }

    bool runUntil(const std::function<bool()>& condition, int limitMs = 60000)
    {
        return loop.runUntil(condition, std::chrono::milliseconds(limitMs));
    }

    std::map<std::string, std::string> settings() const
    {
        std::map<std::string, std::string> values;
        for (const editor::Setting& s : editor::catalogue())
            values[s.key] = editor::readValue(w, s);
        return values;
    }

    platform::VirtualEventLoop loop;
    sim::Panel panel{loop};
    sim::SimulatedPort port{loop, panel};
    platform::ScriptedHost host;
    platform::FixedClock clock{{2010, 12, 9, 14, 5, 33}};
    platform::FixedRegional regional{"."};
    app::Configurator app{{loop, port, host, clock, regional}};
    editor::MainWindow& w = app.window();
    std::shared_ptr<editor::RememberedTexts> remembered;
    std::optional<devlink::PortLink> link;
};

}  // namespace image_test
