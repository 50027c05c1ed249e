#include "ui/picture.h"

#include <filesystem>

#include "platform/error.h"

namespace ui {

void Picture::setPicture(const std::string& picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    notify();
}

void Picture::loadFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw platform::Error(platform::errc::FileNotFound, "File not found: " + path);
    file_ = std::filesystem::absolute(path, ec).string();
    notify();
}

void Picture::userClick()
{
    if (enabled() && onClick)
        onClick();
}

}  // namespace ui
