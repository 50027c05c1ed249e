#include "ui/tab_control.h"

namespace ui {

void TabControl::setCurrent(int tab)
{
    if (tab < 0 || tab >= count() || tab == current_)
        return;
    current_ = tab;
    notify();
}

}  // namespace ui
