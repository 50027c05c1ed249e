#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/event_loop.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/grid.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/list.h"
#include "ui/picture.h"
#include "ui/tab_control.h"
#include "ui/text_field.h"
#include "ui/timer.h"

namespace ui {

// What a window is made of: its name, caption, size and control table.
struct WindowSpec {
    std::string name;
    std::string caption;
    int width = 0, height = 0;  // outer size, 1/1440 inch
    std::string tabControl;     // name of the tab control that the `tab` fields refer to
    std::vector<ControlSpec> controls;
};

// A window built from its table: the controls, looked up by name.
class Window {
public:
    Window(const WindowSpec& spec, platform::EventLoop& loop);

    const WindowSpec& spec() const { return spec_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool shown() const { return shown_; }
    void show();
    void hide();

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(const std::string& name) const;
    bool has(const std::string& name) const { return find(name) != nullptr; }

    // Typed access; a missing name or another kind is a programming error
    // and throws std::out_of_range naming the control.
    TextField& text(const std::string& name) const { return get<TextField>(name, Kind::TextField); }
    CheckBox& check(const std::string& name) const { return get<CheckBox>(name, Kind::CheckBox); }
    List& list(const std::string& name) const { return get<List>(name, Kind::List); }
    Label& label(const std::string& name) const { return get<Label>(name, Kind::Label); }
    Button& button(const std::string& name) const { return get<Button>(name, Kind::Button); }
    Grid& grid(const std::string& name) const { return get<Grid>(name, Kind::Grid); }
    Picture& picture(const std::string& name) const;
    TabControl& tabs(const std::string& name) const { return get<TabControl>(name, Kind::TabControl); }
    Timer& timer(const std::string& name) const { return get<Timer>(name, Kind::Timer); }

    // The view subscribes to window-level changes (caption, shown).
    void observe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

private:
    template <class T>
    T& get(const std::string& name, Kind kind) const
    {
        Control* c = find(name);
        if (!c || c->kind() != kind)
            throw std::out_of_range("no control " + name + " of the expected kind in " + spec_.name);
        return static_cast<T&>(*c);
    }
    void notify();

    WindowSpec spec_;
    std::string caption_;
    bool shown_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> byName_;
    std::vector<std::function<void()>> observers_;
};

}  // namespace ui
