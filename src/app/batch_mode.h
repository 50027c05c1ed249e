#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/regional.h"
#include "platform/serial_port.h"

// Scripted backup and restore without a window on screen: the configurator's
// window model runs unseen and the steps a user would click are taken in
// order, one line per step on standard output.
//
//   --port PATH --read-to FILE.cfq     connect, read the configuration, save it
//   --port PATH --write-from FILE.cfq  check and load the file, connect, write it
//   --save-defaults FILE.cfq           save the factory configuration, no panel
//
// Time limits: the panel must answer within 20 s of opening the port (it
// announces itself about every 3 s), and a read or a write must finish
// within 30 s (a read takes about 3 s at 9600 baud, a write about 6 s).
namespace app {

struct BatchRequest {
    enum class Action { ReadTo, WriteFrom, SaveDefaults };
    Action action = Action::SaveDefaults;
    std::string file;
    std::string port;
};

// What the arguments ask for: no batch run (the window starts), a batch
// run, or a usage error with its text.
struct BatchArguments {
    std::optional<BatchRequest> request;
    std::string error;
    bool wanted() const { return request.has_value() || !error.empty(); }
};
BatchArguments parseBatchArguments(const std::vector<std::string>& args);

// Exit codes of a batch run.
namespace batch_exit {
constexpr int Ok = 0;
constexpr int Usage = 1;
constexpr int FileProblem = 2;    // file unreadable, refused by the reader, or not writable
constexpr int PortProblem = 3;    // the port could not be opened
constexpr int NoAnswer = 4;       // the panel did not answer within the time limit
constexpr int BadChecksum = 5;    // the configuration read had a checksum mismatch ("L    :- (")
constexpr int WriteRefused = 6;   // the panel refused the write ("S    :- (")
constexpr int ProgramError = 7;   // the program reported another error
}  // namespace batch_exit

struct BatchLimits {
    int linkMs = 20000;
    int transferMs = 30000;
};

// Runs the request on a configurator built on these services; messages the
// program would show go to `err`. Returns one of batch_exit.
int runBatch(const BatchRequest& request, platform::EventLoop& loop, platform::SerialPort& port,
             platform::Clock& clock, platform::Regional& regional, std::ostream& out, std::ostream& err,
             BatchLimits limits = {});

}  // namespace app
