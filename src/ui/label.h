#pragma once
#include <cstdint>

#include "ui/control.h"

namespace ui {

// A label: caption and background colour; some labels react to a click.
class Label : public Control {
public:
    explicit Label(const ControlSpec& spec) : Control(spec), caption_(spec.caption), backColor_(spec.backColor) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t color);
    void userClick();

    std::function<void()> onClick;

private:
    std::string caption_;
    std::int32_t backColor_;
};

}  // namespace ui
