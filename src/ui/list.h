#pragma once
#include <vector>

#include "ui/control.h"

namespace ui {

// A drop-down list. Its selection reaction runs whenever its selected
// index is assigned, by the user or by a program, even to the same index.
class List : public Control {
public:
    explicit List(const ControlSpec& spec) : Control(spec), designText_(spec.caption) {}

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const;
    void setItem(int index, const std::string& text);
    void addItem(const std::string& text);
    // Empties the list; nothing is selected afterwards and no reaction runs.
    void clear();

    int listIndex() const { return listIndex_; }
    // -1 selects nothing; refuses positions that do not exist (platform::Error 380).
    void setListIndex(int index);
    void userSelect(int index);

    // The text shown: the selected entry, or the design text when none is.
    std::string text() const;

    std::function<void()> onSelect;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string designText_;
};

}  // namespace ui
