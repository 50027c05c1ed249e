#include "app/configurator.h"

#include "link/output_control.h"
#include "link/poll_cycle.h"
#include "link/port_link.h"
#include "link/status_display.h"

namespace app {

struct Configurator::Parts {
    explicit Parts(editor::MainWindow& w) : port(w), display(w), cycle(w, port, display), outputs(w) {}

    devlink::PortLink port;
    devlink::StatusDisplay display;
    devlink::PollCycle cycle;
    devlink::OutputControl outputs;
};

namespace {

// The link's part of the start-up: no pending commands, an empty receive
// text, and the port, flow-control and preset SMS lists filled with their
// first entry selected. The settings editor's full start-up sequence takes
// this over.
void startLink(editor::MainWindow& w)
{
    w.receive_command = w.send_command = w.set_time = w.set_output_command = false;
    w.Buffer.clear();

    auto fill = [&w](const std::string& name, const std::vector<std::string>& entries) {
        ui::List& list = w.list(name);
        list.clear();
        for (const std::string& entry : entries)
            list.addItem(entry);
        list.setListIndex(0);
    };
    std::vector<std::string> ports;
    for (int n = 1; n <= devlink::PortLink::NumberedPorts; ++n)
        ports.push_back("COM" + std::to_string(n) + ":");
    fill("cmbPort", ports);
    fill("Combo_com", {"None", "Xon/Xoff", "RTS", "RTSXon/Xoff"});
    fill("Combo_sms", {"Shhrtd9f - прописать модем", "Ptolfi0b - разрешить CSD-вход",
                       "Mkweay1b - запретить CSD-вход"});
}

}  // namespace

Configurator::Configurator(editor::Services services)
    : window_(std::make_unique<editor::MainWindow>(services)), parts_(std::make_unique<Parts>(*window_))
{
}

Configurator::~Configurator() = default;

void Configurator::start() { startLink(*window_); }

void Configurator::addPortChoice(const std::string& devicePath, bool select)
{
    ui::List& ports = window_->list("cmbPort");
    ports.addItem(devicePath);
    if (select)
        ports.setListIndex(ports.count() - 1);
}

}  // namespace app
