#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

#include "files/caption_file.h"

namespace support {

// What a work folder holds when the test starts in it.
struct FolderContents {
    bool logo = false;                        // a small logo.jpg
    std::optional<std::string> captionFile = std::nullopt;  // the bytes of the caption file
};

// Runs the test in a fresh folder of its own (named after the process, the
// test and a running number, so that folders alive at once never meet),
// goes back to the previous folder and removes it afterwards.
class WorkFolder {
public:
    explicit WorkFolder(const FolderContents& contents = {}) : previous_(std::filesystem::current_path()), folder_(uniqueName())
    {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        if (contents.logo)
            std::ofstream(folder_ / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xD9";
        if (contents.captionFile)
            std::ofstream(folder_ / files::kCaptionFileName, std::ios::binary) << *contents.captionFile;
        std::filesystem::current_path(folder_);
    }
    ~WorkFolder()
    {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(folder_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }

private:
    static std::filesystem::path uniqueName()
    {
        static int made = 0;
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside_tests";
        for (char& c : name)
            if (c == '/')
                c = '_';
        return std::filesystem::temp_directory_path() /
               ("panel_test_" + std::to_string(::getpid()) + "_" + name + "_" + std::to_string(++made));
    }

    std::filesystem::path previous_, folder_;
};

}  // namespace support
