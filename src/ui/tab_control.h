#pragma once
#include <vector>

#include "ui/control.h"

namespace ui {

// A tab control with captioned tabs in one row. Disabling it disables
// every control on its pages.
class TabControl : public Control {
public:
    explicit TabControl(const ControlSpec& spec) : Control(spec), captions_(spec.tabs) {}

    int count() const { return static_cast<int>(captions_.size()); }
    const std::string& caption(int tab) const { return captions_.at(static_cast<std::size_t>(tab)); }
    int current() const { return current_; }
    void setCurrent(int tab);

private:
    std::vector<std::string> captions_;
    int current_ = 0;
};

}  // namespace ui
