#include "ui/button.h"

namespace ui {

void Button::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    notify();
}

void Button::setBackColor(std::int32_t color)
{
    if (backColor_ == color)
        return;
    backColor_ = color;
    notify();
}

void Button::userClick()
{
    if (enabled() && visible() && onClick)
        onClick();
}

}  // namespace ui
