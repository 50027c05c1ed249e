#include "ui/check_box.h"

#include "platform/error.h"

namespace ui {

void CheckBox::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    notify();
}

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 2)
        throw platform::Error(platform::errc::InvalidPropertyValue, "Invalid property value");
    if (value == value_)
        return;
    value_ = value;
    notify();
    if (onClick)
        onClick();
}

void CheckBox::userClick()
{
    if (enabled())
        setValue(value_ == 1 ? 0 : 1);
}

}  // namespace ui
