#pragma once
#include <cstddef>
#include <string>

#include "editor/main_window.h"
#include "link/frames.h"

namespace devlink {

// What the panel reports, shown on the main window: its clock, firmware
// version, the live states in the status grid, and the web link.
class StatusDisplay {
public:
    // Hooks the web link Label_web when the window has one.
    explicit StatusDisplay(editor::MainWindow& window);

    static constexpr const char* ExpectedVersion = "RZ4.5";

    void showClock(const std::string& time);
    // Version of the status frame at p, with a warning in Label_clock when
    // it is missing or not the expected one.
    void checkVersion(const std::string& buffer, std::size_t p);
    void showStatus(const StatusFields& fields);
    // Opens the panel's web server from the GPRS settings.
    void openWebLink();

    // "+13.2V": the input 8 level with the computer's decimal separator.
    static std::string input8LevelText(std::uint8_t byte, const std::string& decimalSeparator);

private:
    editor::MainWindow& w_;
};

}  // namespace devlink
