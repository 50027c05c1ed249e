#pragma once
#include "ui/window.h"

namespace editor::layout {

// The help window shown when the cable link stays silent.
ui::WindowSpec helpSpec();

}  // namespace editor::layout
