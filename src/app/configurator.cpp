#include "app/configurator.h"

#include "editor/procedures.h"
#include "editor/start_up.h"
#include "files/wire.h"
#include "image/wiring.h"
#include "link/output_control.h"
#include "link/poll_cycle.h"
#include "link/port_link.h"
#include "link/status_display.h"
#include "modem/terminal_view.h"

namespace app {

struct Configurator::Parts {
    explicit Parts(editor::MainWindow& w) : port(w), display(w), cycle(w, port, display), outputs(w) {}

    devlink::PortLink port;
    devlink::StatusDisplay display;
    devlink::PollCycle cycle;
    devlink::OutputControl outputs;
};


Configurator::Configurator(editor::Services services)
    : window_(std::make_unique<editor::MainWindow>(services))
{
    editor::MainWindow& w = *window_;
    editor::wireGrids(w);
    editor::wireOutputModes(w);
    editor::wireValidation(w);
    editor::wireCheckBoxes(w);
    // The link hooks its own controls, the output column of the status grid among them.
    parts_ = std::make_unique<Parts>(w);
    image::wire(w, parts_->port);
    files::wire(w);
    modem::wireTerminalView(w);
}

Configurator::~Configurator() = default;

void Configurator::start() { editor::start_up_with_failure_path(*window_, files::captionFileExists()); }

void Configurator::addPortChoice(const std::string& devicePath, bool select)
{
    ui::List& ports = window_->list("cmbPort");
    ports.addItem(devicePath);
    if (select)
        ports.setListIndex(ports.count() - 1);
}

}  // namespace app
