#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/main_window.h"
#include "image/image_map.h"

namespace image {

// Opens a write of the configuration image.
inline constexpr std::array<std::uint8_t, 6> WriteCommand = {0x01, 0x01, 0x02, 0x0A, 0x0C, 0x0E};
inline constexpr int WriteBlockSize = 64;
inline constexpr int WriteBlocks = ImageSize / WriteBlockSize;
inline constexpr int WriteBlockPauseMs = 500;

// How the write reaches the port; every call keeps the window's events
// running while it waits.
struct Line {
    // One byte at a time, each once the port has sent everything before it.
    std::function<void(const std::string&)> sendPaced;
    // All bytes in one piece, once the port has sent everything before.
    std::function<void(const std::string&)> sendWhole;
    std::function<void(int milliseconds)> pause;
};

// The write transfer `send_all_parameters`: builds the image from the window
// and, only when every value has its byte form, sends the write command, the
// image in sixteen 64-byte blocks with a pause after each, and the checksum
// of the image, showing the progress in `Label_ok`. A value that cannot be
// written is reported in a message box naming the setting; nothing is sent.
void send_all_parameters(editor::MainWindow& w, const Line& line);

// Progress caption after `done` of `total` steps: "%" for none, "100%" for all.
std::string progressCaption(int done, int total);

}  // namespace image
