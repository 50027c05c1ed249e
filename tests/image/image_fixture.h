#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "editor/catalogue.h"
#include "editor/main_window.h"
#include "editor/procedures.h"
#include "editor/validation.h"
#include "image/codes.h"
#include "image/image_map.h"
#include "link/hex_text.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/serial_port.h"
#include "platform/virtual_event_loop.h"

namespace image_test {

class NullPort : public platform::SerialPort {
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

// The main window after its start-up, with every editor reaction hooked:
// it holds the factory configuration.
struct EditorWindow {
    EditorWindow()
    {
        editor::wireGrids(w);
        editor::wireOutputModes(w);
        remembered = editor::wireValidationRules(w);
        editor::wireCheckBoxes(w);
        // The start-up shows the logo of the working folder.
        auto previous = std::filesystem::current_path();
        auto folder = std::filesystem::temp_directory_path() / ("image_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xD9";
        std::filesystem::current_path(folder);
        editor::start_up(w);
        std::filesystem::current_path(previous);
    }

    // Every setting of the catalogue with its value now.
    std::map<std::string, std::string> settings() const
    {
        std::map<std::string, std::string> values;
        for (const editor::Setting& s : editor::catalogue())
            values[s.key] = editor::readValue(w, s);
        return values;
    }
    std::string value(const std::string& key) const
    {
        const editor::Setting* s = editor::findSetting(key);
        if (!s)
            throw std::out_of_range("no setting " + key);
        return editor::readValue(w, *s);
    }

    platform::VirtualEventLoop loop;
    NullPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional{"."};
    editor::MainWindow w{editor::Services{loop, port, host, clock, regional}};
    std::shared_ptr<editor::RememberedTexts> remembered;
};

// A dump frame put together byte by byte, as the panel sends it.
struct DumpBuilder {
    image::Image image{};
    std::array<std::uint8_t, image::info::Size> info{};

    DumpBuilder& byte(int offset, std::uint8_t value)
    {
        image.at(offset) = value;
        return *this;
    }
    DumpBuilder& chars(int offset, std::string_view text)
    {
        for (char c : text)
            image.at(offset++) = static_cast<std::uint8_t>(c);
        return *this;
    }

    // The frame: marker, image, information block, checksum (moved by
    // `checksumError`), tail, then anything that followed on the line.
    platform::Bytes frame(int checksumError = 0) const
    {
        platform::Bytes out = {0x4C, 0x4F, 0x08, 0x02};
        out.insert(out.end(), image.begin(), image.end());
        out.insert(out.end(), info.begin(), info.end());
        unsigned sum = image::checksum(image) + image::checksum(info) + checksumError;
        out.push_back(static_cast<std::uint8_t>(sum));
        for (std::uint8_t b : {0x54, 0x41, 0x49, 0x4C, 0x01, 0x02, 0x03})
            out.push_back(b);
        return out;
    }
    // The dump text as the poll cycle hands it over.
    std::string text(int checksumError = 0) const
    {
        std::string t = devlink::hexText(frame(checksumError));
        t.pop_back();  // the receive text's last character is not taken
        return t;
    }
};

// An image written out as lines of an offset and sixteen hexadecimal bytes;
// lines starting with "#" are comments.
inline image::Image readImageFixture(const std::string& name)
{
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "fixtures" / name);
    if (!in)
        throw std::runtime_error("no fixture " + name);
    image::Image img{};
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int offset = 0;
        fields >> offset;
        std::string hex;
        while (fields >> hex)
            img.at(offset++) = static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16));
    }
    return img;
}

}  // namespace image_test
