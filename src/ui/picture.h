#pragma once
#include "ui/control.h"

namespace ui {

// A picture box showing one of the program's drawings by name, or an
// image control showing a picture file. Either can move, show and hide,
// and a click may react.
class Picture : public Control {
public:
    explicit Picture(const ControlSpec& spec) : Control(spec), picture_(spec.picture) {}

    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& picture);
    // Shows what another picture box shows.
    void copyFrom(const Picture& source) { setPicture(source.picture()); }

    // For an image control: the file shown; the model checks that it exists.
    const std::string& file() const { return file_; }
    // Refuses a file that does not exist (platform::Error 53).
    void loadFile(const std::string& path);

    void userClick();
    std::function<void()> onClick;

private:
    std::string picture_;
    std::string file_;
};

}  // namespace ui
