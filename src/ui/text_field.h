#pragma once
#include "ui/control.h"

namespace ui {

// A text field. Its change reaction runs on every change of its text,
// typed or assigned, and not when the text is set to what it already is.
class TextField : public Control {
public:
    explicit TextField(const ControlSpec& spec) : Control(spec), text_(spec.caption) {}

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // What the user types or pastes; refused while disabled.
    void userEdit(const std::string& text);

    // Caret position in characters; moved to the end to keep the newest
    // text of a terminal view in sight.
    int caret() const { return caret_; }
    void moveCaretToEnd();
    bool allSelected() const { return allSelected_; }
    void selectAll();

    std::function<void()> onChange;

private:
    std::string text_;
    int caret_ = 0;
    bool allSelected_ = false;
};

}  // namespace ui
