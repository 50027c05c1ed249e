#pragma once
#include "editor/main_window.h"
#include "link/port_link.h"

namespace image {

// Hooks the image's read and write into the window: `decode_image` applies
// a received dump, `send_all_parameters` writes the window through the port.
void wire(editor::MainWindow& w, devlink::PortLink& port);

}  // namespace image
