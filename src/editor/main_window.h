#pragma once
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/host.h"
#include "platform/regional.h"
#include "platform/serial_port.h"
#include "ui/window.h"

namespace editor {

// What the configurator needs of the outside world.
struct Services {
    platform::EventLoop& loop;
    platform::SerialPort& port;
    platform::Host& host;
    platform::Clock& clock;
    platform::Regional& regional;
};

// The configurator's main window `Form1` with its members, and the help
// window `Form_help`. The controls are the settings store; the members are
// the state that the handlers of every subsystem share.
class MainWindow {
public:
    explicit MainWindow(Services services);
    MainWindow(Services services, const ui::WindowSpec& form1, const ui::WindowSpec& help);

    Services services;
    ui::Window form1;
    ui::Window help;

    // Receive text in HexText: three characters per byte received.
    std::string Buffer;
    // The dump text handed from the poll cycle to the image decoder.
    std::string Receive_EEPROM;

    // Pending commands.
    bool receive_command = false;
    bool send_command = false;
    bool set_time = false;
    bool set_output_command = false;
    // Link state.
    bool link_ok = false;
    bool est_shnur = false;
    bool autoload_done = false;
    // A configuration file is being saved or loaded.
    bool work_with_file = false;
    // A timed wait has run out.
    bool pause_end = false;

    // Work done by other subsystems, reached through the window. Each is
    // set when the subsystem is wired in; an unset one does nothing.
    std::function<void()> send_all_parameters;   // the write transfer
    std::function<void()> decode_image;          // applies Receive_EEPROM
    std::function<void()> save_configuration;    // the file save command
    std::function<void()> modem_start;           // modem reset after connecting in CSD mode
    std::function<void()> load_c_file;           // reads the caption file at start-up
    std::function<void()> save_c_file;           // writes the caption file

    // The seven working controls, unlocked together.
    void enableWorkingControls();

    // Shortcuts to the main window's controls.
    ui::TextField& text(const std::string& name) const { return form1.text(name); }
    ui::CheckBox& check(const std::string& name) const { return form1.check(name); }
    ui::List& list(const std::string& name) const { return form1.list(name); }
    ui::Label& label(const std::string& name) const { return form1.label(name); }
    ui::Button& button(const std::string& name) const { return form1.button(name); }
    ui::Grid& grid(const std::string& name) const { return form1.grid(name); }
    ui::Picture& picture(const std::string& name) const { return form1.picture(name); }
    ui::Timer& timer(const std::string& name) const { return form1.timer(name); }
    ui::TabControl& tabs() const { return form1.tabs("SSTab1"); }
};

}  // namespace editor
