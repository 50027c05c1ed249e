#pragma once
#include "ui/control.h"

namespace ui {

// A check box: 0 unticked, 1 ticked, 2 greyed. Its click reaction runs
// on a user click and whenever a program assigns a different value.
class CheckBox : public Control {
public:
    explicit CheckBox(const ControlSpec& spec) : Control(spec), caption_(spec.caption) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    int value() const { return value_; }
    // Refuses values other than 0, 1 and 2 (platform::Error 380).
    void setValue(int value);
    // A user's click toggles between ticked and unticked; ignored while disabled.
    void userClick();

    std::function<void()> onClick;

private:
    std::string caption_;
    int value_ = 0;
};

}  // namespace ui
