#include "ui/text_field.h"

#include "ui/utf8.h"

namespace ui {

void TextField::setText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    allSelected_ = false;
    int length = static_cast<int>(utf8::length(text_));
    if (caret_ > length)
        caret_ = length;
    notify();
    if (onChange)
        onChange();
}

void TextField::userEdit(const std::string& text)
{
    if (enabled())
        setText(text);
}

void TextField::moveCaretToEnd()
{
    caret_ = static_cast<int>(utf8::length(text_));
    notify();
}

void TextField::selectAll()
{
    allSelected_ = true;
    notify();
}

}  // namespace ui
