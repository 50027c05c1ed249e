#include "image/write_transfer.h"

#include "image/codes.h"
#include "image/encoder.h"
#include "platform/error.h"

namespace image {

std::string progressCaption(int done, int total)
{
    // A whole percentage, halves rounded up; none shows as a bare "%".
    int percent = (200 * done + total) / (2 * total);
    return (percent == 0 ? std::string() : std::to_string(percent)) + "%";
}

void send_all_parameters(editor::MainWindow& w, const Line& line)
{
    ui::Label& progress = w.label("Label_ok");
    ui::Button& send = w.button("Command_send");

    prepareForWrite(w);
    Image image;
    try {
        image = encode(w);
    } catch (const platform::Error& e) {
        // Nothing has gone to the panel; the write ends here and the user
        // corrects the value.
        progress.setCaption("");
        send.setBackColor(ui::color::ButtonFace);
        w.services.host.messageBox(e.description(), w.form1.spec().caption, platform::MessageIcon::Exclamation,
                                   platform::MessageButtons::Ok);
        return;
    }
    const std::uint8_t sum = checksum(image);

    line.sendPaced(std::string(WriteCommand.begin(), WriteCommand.end()));
    progress.setCaption(progressCaption(0, WriteBlocks));
    send.setBackColor(ui::color::Highlight);
    progress.setCaption("1%");
    for (int k = 1; k <= WriteBlocks; ++k) {
        auto first = image.begin() + WriteBlockSize * (k - 1);
        line.sendWhole(std::string(first, first + WriteBlockSize));
        line.pause(WriteBlockPauseMs);
        progress.setCaption(progressCaption(k, WriteBlocks));
    }
    line.sendWhole(std::string(1, static_cast<char>(sum)));
    progress.setCaption("100%");
}

}  // namespace image
