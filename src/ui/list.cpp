#include "ui/list.h"

#include "platform/error.h"

namespace ui {
namespace {
[[noreturn]] void refuse() { throw platform::Error(platform::errc::InvalidPropertyValue, "Invalid property value"); }
}  // namespace

const std::string& List::item(int index) const
{
    if (index < 0 || index >= count())
        refuse();
    return items_[static_cast<std::size_t>(index)];
}

void List::setItem(int index, const std::string& text)
{
    if (index < 0 || index >= count())
        refuse();
    items_[static_cast<std::size_t>(index)] = text;
    notify();
}

void List::addItem(const std::string& text)
{
    items_.push_back(text);
    notify();
}

void List::clear()
{
    items_.clear();
    listIndex_ = -1;
    notify();
}

void List::setListIndex(int index)
{
    if (index < -1 || index >= count())
        refuse();
    listIndex_ = index;
    notify();
    if (onSelect)
        onSelect();
}

void List::userSelect(int index)
{
    if (enabled())
        setListIndex(index);
}

std::string List::text() const
{
    return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : designText_;
}

}  // namespace ui
