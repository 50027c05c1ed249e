#include "ui/label.h"

namespace ui {

void Label::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    notify();
}

void Label::setBackColor(std::int32_t color)
{
    if (backColor_ == color)
        return;
    backColor_ = color;
    notify();
}

void Label::userClick()
{
    if (enabled() && onClick)
        onClick();
}

}  // namespace ui
