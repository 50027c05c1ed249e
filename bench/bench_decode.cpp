// Reading a configuration dump into the whole main window: checksum,
// every setting with its control's reaction, the refresh of the derived
// grids and the diagram.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "editor/main_window.h"
#include "editor/procedures.h"
#include "editor/validation.h"
#include "image/decoder.h"
#include "image/encoder.h"
#include "image/image_map.h"
#include "link/hex_text.h"
#include "platform/clock.h"
#include "platform/regional.h"
#include "platform/scripted_host.h"
#include "platform/virtual_event_loop.h"
#include "sim/panel.h"
#include "sim/unconnected_port.h"

namespace {

struct Window {
    Window()
    {
        editor::wireGrids(w);
        editor::wireOutputModes(w);
        remembered = editor::wireValidationRules(w);
        editor::wireCheckBoxes(w);
        auto previous = std::filesystem::current_path();
        auto folder = std::filesystem::temp_directory_path() / ("bench_decode_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "logo.jpg", std::ios::binary) << "\xFF\xD8\xFF\xD9";
        std::filesystem::current_path(folder);
        editor::start_up(w);
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    platform::VirtualEventLoop loop;
    sim::UnconnectedPort port;
    platform::ScriptedHost host;
    platform::FixedClock clock;
    platform::FixedRegional regional{"."};
    editor::MainWindow w{editor::Services{loop, port, host, clock, regional}};
    std::shared_ptr<editor::RememberedTexts> remembered;
};

// The dump text the poll cycle hands to the decoder for a panel holding this image.
std::string dumpText(platform::EventLoop& loop, const image::Image& img)
{
    sim::Panel panel(loop);
    panel.image = img;
    std::string text = devlink::hexText(panel.dumpFrame());
    text.pop_back();
    return text;
}

// Two images that differ in every setting that can differ, so that every
// text changes and every check box reacts on each read.
std::pair<std::string, std::string> twoDumps(editor::MainWindow& w)
{
    image::prepareForWrite(w);
    image::Image factory = image::encode(w);

    for (int k = 0; k <= 9; ++k)
        w.text("phone(" + std::to_string(k) + ")").setText("+38050111220" + std::to_string(k));
    for (int i = 0; i <= 10; ++i)
        w.text("Text_z(" + std::to_string(i) + ")").setText("Qz" + std::to_string(i));
    for (int n = 1; n <= 8; ++n)
        w.text("Text_short" + std::to_string(n)).setText("ALARM " + std::to_string(n));
    for (const char* t : {"Text_topic", "Text_email", "Text_apn_sim1", "Text_ip", "Text_port"})
        w.text(t).setText("x1");
    w.text("Text_charge1").setText("1");
    w.text("Text_charge2").setText("*2#");
    w.text("Text_pin").setText("zz");
    for (int out = 1; out <= 3; ++out)
        w.list("Combo_out" + std::to_string(out)).setListIndex(14);
    image::prepareForWrite(w);
    image::Image other = image::encode(w);
    for (const image::Field& f : image::imageMap()) {
        using K = image::FieldKind;
        switch (f.kind) {
        case K::CheckBit:
        case K::PowerUpBit:
        case K::ListBit:
        case K::CellBit:
        case K::FlagBit: other[f.offset] ^= static_cast<std::uint8_t>(1u << f.bit); break;
        case K::Number:
        case K::Voltage:
        case K::Temperature: other[f.offset] ^= 1; break;
        case K::Mask: other[f.offset] ^= 0x0F; break;
        default: break;
        }
    }
    return {dumpText(w.services.loop, factory), dumpText(w.services.loop, other)};
}

void BM_DecodeWholeWindow(benchmark::State& state)
{
    Window win;
    auto [first, second] = twoDumps(win.w);
    bool flip = false;
    for (auto _ : state) {
        win.w.Receive_EEPROM = flip ? second : first;
        flip = !flip;
        image::decode_image(win.w);
        benchmark::DoNotOptimize(win.w.label("Label_ok").caption());
    }
    if (win.w.label("Label_ok").caption() != "L    OK")
        state.SkipWithError("the dump was not applied");
}
BENCHMARK(BM_DecodeWholeWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
