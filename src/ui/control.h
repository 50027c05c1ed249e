#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control_spec.h"

namespace ui {

// A control of a window: the headless model that the behaviour works on
// and the view mirrors. Every property change notifies the observers.
class Control {
public:
    explicit Control(const ControlSpec& spec);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return spec_.kind; }
    const std::string& name() const { return spec_.name; }
    const ControlSpec& spec() const { return spec_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& text);
    const Rect& place() const { return place_; }
    void setPlace(const Rect& place);

    // The view subscribes here and re-reads the control on every call.
    void observe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

protected:
    void notify();

private:
    ControlSpec spec_;
    bool enabled_;
    bool visible_;
    std::string toolTip_;
    Rect place_;
    std::vector<std::function<void()>> observers_;
};

}  // namespace ui
