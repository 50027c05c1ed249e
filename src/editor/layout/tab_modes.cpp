#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {

void addModesTab(std::vector<ui::ControlSpec>& out)
{
    (void)out;
}

}  // namespace editor::layout
