#pragma once
#include "ui/control_spec.h"

// Short forms for the rows of the window tables.
namespace editor::layout {

inline ui::ControlSpec make(ui::Kind kind, std::string name, int tab, ui::Rect place, std::string caption = {})
{
    ui::ControlSpec s;
    s.kind = kind;
    s.name = std::move(name);
    s.tab = tab;
    s.place = place;
    s.caption = std::move(caption);
    return s;
}

inline ui::ControlSpec label(std::string name, int tab, ui::Rect place, std::string caption)
{
    return make(ui::Kind::Label, std::move(name), tab, place, std::move(caption));
}
inline ui::ControlSpec text(std::string name, int tab, ui::Rect place, std::string start = {})
{
    return make(ui::Kind::TextField, std::move(name), tab, place, std::move(start));
}
inline ui::ControlSpec check(std::string name, int tab, ui::Rect place, std::string caption = {})
{
    return make(ui::Kind::CheckBox, std::move(name), tab, place, std::move(caption));
}
inline ui::ControlSpec list(std::string name, int tab, ui::Rect place, std::string designText = {})
{
    return make(ui::Kind::List, std::move(name), tab, place, std::move(designText));
}
inline ui::ControlSpec button(std::string name, int tab, ui::Rect place, std::string caption)
{
    return make(ui::Kind::Button, std::move(name), tab, place, std::move(caption));
}
inline ui::ControlSpec grid(std::string name, int tab, ui::Rect place, int rows, int cols, int fixedRows,
                            int fixedCols)
{
    ui::ControlSpec s = make(ui::Kind::Grid, std::move(name), tab, place);
    s.rows = rows;
    s.cols = cols;
    s.fixedRows = fixedRows;
    s.fixedCols = fixedCols;
    return s;
}
inline ui::ControlSpec timer(std::string name, int interval)
{
    ui::ControlSpec s = make(ui::Kind::Timer, std::move(name), -1, {});
    s.visible = false;
    s.interval = interval;
    return s;
}
inline ui::ControlSpec disabled(ui::ControlSpec s)
{
    s.enabled = false;
    return s;
}
inline ui::ControlSpec hidden(ui::ControlSpec s)
{
    s.visible = false;
    return s;
}
inline ui::ControlSpec wrapped(ui::ControlSpec s)
{
    s.wordWrap = true;
    return s;
}
inline ui::ControlSpec bold(ui::ControlSpec s)
{
    s.bold = true;
    return s;
}
inline ui::ControlSpec picture(std::string name, int tab, ui::Rect place, std::string drawing)
{
    ui::ControlSpec s = make(ui::Kind::Picture, std::move(name), tab, place);
    s.picture = std::move(drawing);
    return s;
}

}  // namespace editor::layout
