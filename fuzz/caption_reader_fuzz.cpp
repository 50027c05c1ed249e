// Any bytes as a caption file: every line either names one of its entries
// or is passed over; nothing may fail.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/caption_file.h"
#include "started_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::StartedWindow* window = new fuzz::StartedWindow;
    try {
        files::applyCaptionFile(window->w, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "caption file refused: %s\n", e.what());
        std::abort();
    }
    return 0;
}
