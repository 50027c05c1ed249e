#pragma once
#include <exception>
#include <functional>

namespace qt {

// Runs a reaction of the model from a Qt event. An error that escapes it
// is shown to the user instead of ending the program inside Qt's event
// dispatch (Qt cannot pass exceptions through its event loop).
void guarded(const std::function<void()>& reaction);

}  // namespace qt
