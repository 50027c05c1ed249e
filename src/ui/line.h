#pragma once
#include "ui/control.h"

namespace ui {

// A drawn separator line; it has no behaviour.
class Line : public Control {
public:
    using Control::Control;
};

}  // namespace ui
