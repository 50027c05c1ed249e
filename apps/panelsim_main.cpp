// panelsim: a simulated alarm panel on a pseudo-terminal. It prints the
// terminal's device path on one line; open that path as the serial port.
// Runs until interrupted (SIGINT or SIGTERM).

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>

#include "sim/panel.h"
#include "sim/poll_event_loop.h"
#include "sim/pseudo_terminal.h"

namespace {

int stopPipe[2] = {-1, -1};

extern "C" void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(stopPipe[1], &byte, 1);
}

void usage(std::ostream& out)
{
    out << "usage: panelsim [--version TEXT] [--silent] [--chunk N] [--garbage]\n"
           "  --version TEXT  firmware version the panel reports, five characters (empty: old short status frame)\n"
           "  --silent        the panel sends nothing\n"
           "  --chunk N       frames leave in pieces of N bytes\n"
           "  --garbage       noise bytes before every frame\n";
}

}  // namespace

int main(int argc, char** argv)
{
    sim::PollEventLoop loop;
    sim::Panel panel(loop);

    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "panelsim: " << arg << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--version") {
            // Five characters fill the frame's version field; any other
            // length would shift every field after it.
            std::string version = value();
            if (!version.empty() && version.size() != 5) {
                std::cerr << "panelsim: --version needs exactly five characters (or none)\n";
                return 2;
            }
            panel.version = version;
        } else if (arg == "--silent") {
            panel.silent = true;
        } else if (arg == "--chunk") {
            std::string text = value();
            char* end = nullptr;
            long n = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || n < 1 || n > 100000) {
                std::cerr << "panelsim: --chunk needs a whole number of bytes from 1 to 100000\n";
                return 2;
            }
            panel.deliveryChunk = static_cast<int>(n);
        } else if (arg == "--garbage") {
            panel.garbageBetweenFrames = true;
        } else if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        } else {
            std::cerr << "panelsim: unknown option " << arg << "\n";
            usage(std::cerr);
            return 2;
        }
    }

    try {
        sim::PseudoTerminal terminal;

        if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            std::perror("panelsim: pipe");
            return 1;
        }
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, nullptr);
        ::sigaction(SIGTERM, &action, nullptr);

        loop.watch(stopPipe[0], [&] { loop.stop(); });
        loop.watch(terminal.deviceFd(), [&] {
            platform::Bytes bytes = terminal.readFromComputer();
            if (!bytes.empty())
                panel.receiveFromComputer(bytes);
        });

        // The panel talks from the start, as a real one does once powered;
        // what is sent before a program opens the port is dropped there.
        panel.attach(terminal);

        std::cout << terminal.devicePath() << std::endl;
        loop.run();
    } catch (const std::exception& e) {
        std::cerr << "panelsim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
