#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "files/caption_file.h"
#include "support/editor_window.h"
#include "support/work_folder.h"

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
// of its own that holds the logo and the caption file.
class FilesTest : public ::testing::Test {
protected:
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

    std::map<std::string, std::string> settings() const { return e.settings(); }

    support::EditorWindow e;
    editor::MainWindow& w = e.w;
};

}  // namespace files_test
