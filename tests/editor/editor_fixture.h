#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "editor/catalogue.h"
#include "editor/main_window.h"
#include "editor/procedures.h"
#include "editor/start_up.h"
#include "editor/validation.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/serial_port.h"
#include "platform/virtual_event_loop.h"

namespace editor_test {

// The editor never touches the port.
class UnusedPort : public platform::SerialPort {
public:
    void setPortNumber(int) override {}
    void setDevicePath(const std::string&) override {}
    void setSettings(const std::string&) override {}
    void setHandshaking(int) override {}
    void open() override {}
    bool isOpen() const override { return false; }
    int outBufferCount() const override { return 0; }
    void write(const platform::Bytes&) override {}
    platform::Bytes readAll() override { return {}; }
};

// Runs the test in a folder of its own, with or without a logo picture,
// and goes back to the previous folder afterwards.
class WorkFolder {
public:
    explicit WorkFolder(bool withLogo)
        : previous_(std::filesystem::current_path()),
          folder_(std::filesystem::temp_directory_path() /
                  ("editor_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        if (withLogo)
            std::ofstream(folder_ / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xD9";
        std::filesystem::current_path(folder_);
    }
    ~WorkFolder()
    {
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path previous_, folder_;
};

// The main window with every editor reaction hooked, as the program has it.
class Editor {
public:
    explicit Editor(std::string decimalSeparator = ".") : regional(std::move(decimalSeparator))
    {
        editor::wireGrids(w);
        editor::wireOutputModes(w);
        remembered = editor::wireValidationRules(w);
        editor::wireCheckBoxes(w);
    }

    std::string value(const std::string& key) const
    {
        const editor::Setting* s = editor::findSetting(key);
        if (!s)
            throw std::out_of_range("no setting " + key);
        return editor::readValue(w, *s);
    }

    platform::VirtualEventLoop loop;
    UnusedPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional;
    editor::MainWindow w{editor::Services{loop, port, host, clock, regional}};
    std::shared_ptr<editor::RememberedTexts> remembered;
};

// A window after a normal start-up (logo present, no caption file).
class StartedEditor : public ::testing::Test {
protected:
    void SetUp() override { editor::start_up(e.w); }

    WorkFolder folder{true};
    Editor e;
    editor::MainWindow& w = e.w;
};

}  // namespace editor_test
