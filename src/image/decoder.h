#pragma once
#include "editor/main_window.h"

namespace image {

// Applies the dump in `Receive_EEPROM` to the window. When the panel's
// checksum does not hold, only `Label_ok` changes ("L    :- ("). Otherwise
// `Label_ok` reads "L    OK", every setting is assigned in the read order
// with its control's reaction, the serial number and web password are
// shown, the derived parts of the window are refreshed and the working
// controls unlocked. A bad pair of hexadecimal digits or a value a control
// refuses raises platform::Error and ends the read at that value.
void decode_image(editor::MainWindow& w);

}  // namespace image
