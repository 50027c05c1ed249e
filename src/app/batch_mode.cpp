#include "app/batch_mode.h"

#include <deque>
#include <memory>
#include <ostream>

#include "app/configurator.h"
#include "files/config_commands.h"
#include "files/config_reader.h"
#include "files/file_io.h"
#include "platform/error.h"
#include "platform/host.h"

namespace app {
namespace {

// The host of an unseen window: file dialogs answer with the batch's file,
// message boxes are collected and answered with OK (No to a question).
class BatchHost : public platform::Host {
public:
    platform::MessageAnswer messageBox(const std::string& text, const std::string& title, platform::MessageIcon,
                                       platform::MessageButtons buttons) override
    {
        messages.push_back(title.empty() ? text : title + ": " + text);
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                          : platform::MessageAnswer::Ok;
    }
    std::optional<std::string> fileDialog(const platform::FileDialogRequest&) override
    {
        if (paths.empty())
            return std::nullopt;
        std::string p = paths.front();
        paths.pop_front();
        return p;
    }
    void openUrl(const std::string&) override {}
    void quit() override {}

    std::deque<std::string> paths;
    std::vector<std::string> messages;
};

class Run {
public:
    Run(const BatchRequest& request, platform::EventLoop& loop, platform::SerialPort& port, platform::Clock& clock,
        platform::Regional& regional, std::ostream& out, std::ostream& err, BatchLimits limits)
        : request_(request), loop_(loop), port_(port), out_(out), err_(err), limits_(limits),
          configurator_(editor::Services{loop, port, host_, clock, regional}), w_(configurator_.window())
    {
    }

    int run()
    {
        // A batch run leaves no caption file behind and ignores one that
        // exists: captions rename texts on screen only.
        w_.load_c_file = [] {};
        w_.save_c_file = [] {};
        configurator_.start();
        for (const std::string& m : takeMessages())
            out_ << "start-up: " << m << " (ignored)\n";

        switch (request_.action) {
        case BatchRequest::Action::SaveDefaults:
            out_ << "defaults: factory configuration\n";
            return save();
        case BatchRequest::Action::ReadTo: {
            if (int code = connectAndRead(true))
                return code;
            return save();
        }
        case BatchRequest::Action::WriteFrom: return writeFrom();
        }
        return batch_exit::Usage;
    }

private:
    std::vector<std::string> takeMessages()
    {
        std::vector<std::string> m;
        m.swap(host_.messages);
        return m;
    }

    int fail(int code, const std::string& text)
    {
        err_ << "panelsetup: " << text << "\n";
        return code;
    }

    // The first message the program showed since the last look, as a failure.
    int failOnMessage(int code, const std::string& step)
    {
        auto m = takeMessages();
        return fail(code, step + ": " + m.front());
    }

    // Keeps the window's events running until the condition holds, a message
    // appears, or the time is up; true when the condition holds.
    bool waitFor(const std::function<bool()>& condition, int limitMs)
    {
        auto timedOut = std::make_shared<bool>(false);
        loop_.callLater(limitMs, [timedOut] { *timedOut = true; });
        loop_.waitUntil([&] { return condition() || *timedOut || !host_.messages.empty(); });
        return condition();
    }

    int save()
    {
        host_.paths.push_back(request_.file);
        files::saveConfigurationFile(w_);
        if (!host_.messages.empty())
            return failOnMessage(batch_exit::FileProblem, "save " + request_.file);
        out_ << "saved " << request_.file << "\n";
        return batch_exit::Ok;
    }

    // Opens the port and waits for the automatic first read. A read with a
    // bad checksum fails only when the read is what was asked for.
    int connectAndRead(bool checksumMatters)
    {
        configurator_.addPortChoice(request_.port, true);
        w_.button("Cmd(0)").userClick();
        if (!host_.messages.empty() || !port_.isOpen())
            return host_.messages.empty() ? fail(batch_exit::PortProblem, "connect " + request_.port + ": not open")
                                          : failOnMessage(batch_exit::PortProblem, "connect " + request_.port);
        out_ << "connect " << request_.port << "\n";

        if (!waitFor([&] { return w_.est_shnur; }, limits_.linkMs)) {
            if (!host_.messages.empty())
                return failOnMessage(batch_exit::ProgramError, "link");
            return fail(batch_exit::NoAnswer, "link: no answer from the panel within " +
                                                  std::to_string(limits_.linkMs / 1000) + " s");
        }
        out_ << "link: panel answered\n";

        const ui::Label& status = w_.label("Label_ok");
        auto settled = [&] { return status.caption() == "L    OK" || status.caption() == "L    :- ("; };
        if (!waitFor(settled, limits_.transferMs)) {
            if (!host_.messages.empty())
                return failOnMessage(batch_exit::ProgramError, "read");
            return fail(batch_exit::NoAnswer, "read: no configuration from the panel within " +
                                                  std::to_string(limits_.transferMs / 1000) + " s");
        }
        out_ << "read: " << status.caption() << "\n";
        if (status.caption() != "L    OK" && checksumMatters)
            return fail(batch_exit::BadChecksum, "read: checksum mismatch, nothing saved");
        return batch_exit::Ok;
    }

    int writeFrom()
    {
        // The file is checked before the panel is touched.
        try {
            auto lines = files::splitConfiguration(files::readWholeFile(request_.file));
            if (auto fault = files::checkConfiguration(w_, lines))
                return fail(batch_exit::FileProblem, "check " + request_.file + ": line " +
                                                         std::to_string(fault->line) + " (" + fault->key +
                                                         "): " + fault->error.description());
            out_ << "check " << request_.file << ": " << lines.size() << " lines\n";
        } catch (const platform::Error& e) {
            return fail(batch_exit::FileProblem, "check " + request_.file + ": " + e.description());
        }

        // The automatic first read fills the editor; the file is loaded after it.
        if (int code = connectAndRead(false))
            return code;

        host_.paths.push_back(request_.file);
        files::openConfigurationFile(w_);
        if (!host_.messages.empty())
            return failOnMessage(batch_exit::FileProblem, "load " + request_.file);
        out_ << "load " << request_.file << "\n";

        ui::Button& send = w_.button("Command_send");
        if (!waitFor([&] { return send.enabled(); }, limits_.transferMs))
            return host_.messages.empty() ? fail(batch_exit::NoAnswer, "write: the panel stopped answering")
                                          : failOnMessage(batch_exit::ProgramError, "write");
        send.userClick();
        const ui::Label& status = w_.label("Label_ok");
        auto settled = [&] { return status.caption() == "S    OK" || status.caption() == "S    :- ("; };
        if (!waitFor(settled, limits_.transferMs)) {
            if (!host_.messages.empty())
                return failOnMessage(batch_exit::ProgramError, "write");
            return fail(batch_exit::NoAnswer, "write: no answer from the panel within " +
                                                  std::to_string(limits_.transferMs / 1000) + " s");
        }
        out_ << "write: " << status.caption() << "\n";
        if (status.caption() != "S    OK")
            return fail(batch_exit::WriteRefused, "write: the panel refused the configuration");
        return batch_exit::Ok;
    }

    const BatchRequest& request_;
    platform::EventLoop& loop_;
    platform::SerialPort& port_;
    std::ostream& out_;
    std::ostream& err_;
    BatchLimits limits_;
    BatchHost host_;
    Configurator configurator_;
    editor::MainWindow& w_;
};

}  // namespace

BatchArguments parseBatchArguments(const std::vector<std::string>& args)
{
    BatchArguments result;
    BatchRequest request;
    int actions = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                result.error = a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        bool ok = true;
        if (a == "--read-to") {
            request.action = BatchRequest::Action::ReadTo;
            ok = value(request.file);
            ++actions;
        } else if (a == "--write-from") {
            request.action = BatchRequest::Action::WriteFrom;
            ok = value(request.file);
            ++actions;
        } else if (a == "--save-defaults") {
            request.action = BatchRequest::Action::SaveDefaults;
            ok = value(request.file);
            ++actions;
        } else if (a == "--port") {
            ok = value(request.port);
        }
        if (!ok)
            return result;
    }
    if (actions == 0)
        return result;
    if (actions > 1)
        result.error = "give only one of --read-to, --write-from, --save-defaults";
    else if (request.action != BatchRequest::Action::SaveDefaults && request.port.empty())
        result.error = "--read-to and --write-from need --port PATH";
    else
        result.request = request;
    return result;
}

int runBatch(const BatchRequest& request, platform::EventLoop& loop, platform::SerialPort& port,
             platform::Clock& clock, platform::Regional& regional, std::ostream& out, std::ostream& err,
             BatchLimits limits)
{
    try {
        Run run(request, loop, port, clock, regional, out, err, limits);
        int code = run.run();
        out.flush();
        return code;
    } catch (const std::exception& e) {
        err << "panelsetup: " << e.what() << "\n";
        return batch_exit::ProgramError;
    }
}

}  // namespace app
