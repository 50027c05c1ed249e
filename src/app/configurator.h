#pragma once
#include <memory>
#include <string>

#include "editor/main_window.h"

namespace app {

// The configurator put together: the main window and the handlers of every
// subsystem wired to its controls. The Qt program and the tests both use it.
class Configurator {
public:
    explicit Configurator(editor::Services services);
    ~Configurator();

    editor::MainWindow& window() { return *window_; }

    // The start-up sequence of the main window, run once before it is shown.
    void start();

    // Offers a serial device after "COM1:" to "COM16:" in the port list.
    void addPortChoice(const std::string& devicePath, bool select);

private:
    struct Parts;
    std::unique_ptr<editor::MainWindow> window_;
    std::unique_ptr<Parts> parts_;
};

}  // namespace app
