#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "editor/editor_fixture.h"
#include "editor/start_up.h"
#include "files/caption_file.h"
#include "files/wire.h"

namespace files_test {

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string fixture(const std::string& name) { return readBytes(std::filesystem::path(TEST_FIXTURES_DIR) / name); }

// A started main window with the file commands wired, working in a folder
// of its own that holds the logo and, after the start, the caption file.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        files::wire(w);
        start();
        e.host.messages.clear();  // the first start reports the missing caption file
    }

    // The start-up with its failure path, as the program runs it.
    void start() { editor::start_up_with_failure_path(w, files::captionFileExists()); }

    // Saves through the window's command into the given file of the folder.
    std::string save(const std::string& name = "out.cfq")
    {
        e.host.files.push_back(name);
        w.button("Command_save_file").userClick();
        return readBytes(name);
    }
    // Loads the bytes through the window's command.
    void load(const std::string& bytes)
    {
        writeBytes("in.cfq", bytes);
        e.host.files.push_back("in.cfq");
        w.button("Command_open_file").userClick();
    }

    // Every setting of the catalogue with its value now.
    std::map<std::string, std::string> settings() const
    {
        std::map<std::string, std::string> all;
        for (const editor::Setting& s : editor::catalogue())
            all[s.key] = editor::readValue(w, s);
        return all;
    }

    editor_test::WorkFolder folder{true};
    editor_test::Editor e;
    editor::MainWindow& w = e.w;
};

}  // namespace files_test
