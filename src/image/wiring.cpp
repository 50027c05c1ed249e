#include "image/wiring.h"

#include "image/decoder.h"
#include "image/write_transfer.h"

namespace image {

void wire(editor::MainWindow& w, devlink::PortLink& port)
{
    Line line{
        [&port](const std::string& bytes) { port.sendPaced(bytes); },
        [&port](const std::string& bytes) { port.sendWhole(bytes); },
        [&port](int milliseconds) { port.pause(milliseconds); },
    };
    w.send_all_parameters = [&w, line] { send_all_parameters(w, line); };
    w.decode_image = [&w] { decode_image(w); };
}

}  // namespace image
