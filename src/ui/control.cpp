#include "ui/control.h"

namespace ui {

Control::Control(const ControlSpec& spec)
    : spec_(spec), enabled_(spec.enabled), visible_(spec.visible), toolTip_(spec.toolTip), place_(spec.place)
{
}

void Control::setEnabled(bool on)
{
    if (enabled_ == on)
        return;
    enabled_ = on;
    notify();
}

void Control::setVisible(bool on)
{
    if (visible_ == on)
        return;
    visible_ = on;
    notify();
}

void Control::setToolTip(const std::string& text)
{
    if (toolTip_ == text)
        return;
    toolTip_ = text;
    notify();
}

void Control::setPlace(const Rect& place)
{
    if (place_ == place)
        return;
    place_ = place;
    notify();
}

void Control::notify()
{
    for (auto& observer : observers_)
        observer();
}

}  // namespace ui
