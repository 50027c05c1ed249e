// Any bytes as a configuration file: the reader must not crash, and a file
// that passes the check must apply without any field refusing a value.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/config_reader.h"
#include "started_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::StartedWindow* window = new fuzz::StartedWindow;
    editor::MainWindow& w = window->w;
    auto lines = files::splitConfiguration(std::string_view(reinterpret_cast<const char*>(data), size));
    if (files::checkConfiguration(w, lines))
        return 0;
    try {
        files::applyConfiguration(w, lines);
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "a checked file was refused: %d %s\n", e.number(), e.what());
        std::abort();
    }
    window->host.messages.clear();
    return 0;
}
