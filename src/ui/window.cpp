#include "ui/window.h"

namespace ui {
namespace {

std::unique_ptr<Control> build(const ControlSpec& spec, platform::EventLoop& loop)
{
    switch (spec.kind) {
    case Kind::TabControl: return std::make_unique<TabControl>(spec);
    case Kind::TextField: return std::make_unique<TextField>(spec);
    case Kind::CheckBox: return std::make_unique<CheckBox>(spec);
    case Kind::List: return std::make_unique<List>(spec);
    case Kind::Label: return std::make_unique<Label>(spec);
    case Kind::Button: return std::make_unique<Button>(spec);
    case Kind::Grid: return std::make_unique<Grid>(spec);
    case Kind::Picture:
    case Kind::Image: return std::make_unique<Picture>(spec);
    case Kind::Line: return std::make_unique<Line>(spec);
    case Kind::Timer: return std::make_unique<Timer>(spec, loop);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

Window::Window(const WindowSpec& spec, platform::EventLoop& loop) : spec_(spec), caption_(spec.caption)
{
    controls_.reserve(spec.controls.size());
    for (const ControlSpec& c : spec.controls) {
        if (byName_.count(c.name))
            throw std::logic_error("control " + c.name + " appears twice in " + spec.name);
        controls_.push_back(build(c, loop));
        byName_[c.name] = controls_.back().get();
    }
}

void Window::setCaption(const std::string& text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    notify();
}

void Window::show()
{
    shown_ = true;
    notify();
}

void Window::hide()
{
    shown_ = false;
    notify();
}

Control* Window::find(const std::string& name) const
{
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Picture& Window::picture(const std::string& name) const
{
    Control* c = find(name);
    if (!c || (c->kind() != Kind::Picture && c->kind() != Kind::Image))
        throw std::out_of_range("no picture " + name + " in " + spec_.name);
    return static_cast<Picture&>(*c);
}

void Window::notify()
{
    for (auto& observer : observers_)
        observer();
}

}  // namespace ui
