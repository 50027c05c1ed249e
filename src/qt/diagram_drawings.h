#pragma once
#include "qt/drawings.h"

namespace qt {

// The wiring diagram's drawings: the boards q and qn, the extra sensor
// drawing of board qn, the external DS1821 sensor, and the slot symbols
// "empty", "contact_open", "contact_close", "led_plus", "relay_plus",
// "ground" and "supply". Each scales to the box that shows it.
void addDiagramDrawings(Drawings& drawings);

}  // namespace qt
