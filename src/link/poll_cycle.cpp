#include "link/poll_cycle.h"

#include <charconv>

#include "link/commands.h"
#include "link/frames.h"
#include "link/hex_text.h"
#include "platform/error.h"

namespace devlink {

namespace {

// Empties a text field or a label.
void emptyField(const editor::MainWindow& w, const std::string& name)
{
    ui::Control* c = w.form1.find(name);
    if (c && c->kind() == ui::Kind::TextField)
        static_cast<ui::TextField*>(c)->setText("");
    else
        w.label(name).setCaption("");
}

std::optional<long> integerIn(const editor::MainWindow& w, const std::string& name)
{
    const std::string& s = w.text(name).text();
    long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

// Locked by the read and write requests.
constexpr const char* RequestLocked[] = {"Command_open_file", "Command_save_file", "Command_flat",
                                         "Command_receiv",    "Command_send",      "Command_set_time"};

}  // namespace

PollCycle::PollCycle(editor::MainWindow& window, PortLink& port, StatusDisplay& display)
    : w_(window), port_(port), display_(display)
{
    w_.timer("Timer_period").onTick = [this] { view_buffer(); };
    w_.timer("Timer_time_out").onTick = [this] { timeOutExpired(); };
    w_.timer("Timer_help").onTick = [this] { helpExpired(); };
    w_.button("Command_receiv").onClick = [this] { readRequest(); };
    w_.button("Command_send").onClick = [this] { writeRequest(); };
    w_.button("Command_set_time").onClick = [this] { setClockRequest(); };
    w_.help.button("Command1").onClick = [this] { w_.help.hide(); };
}

void PollCycle::view_buffer()
{
    if (running_)
        return;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    try {
        runCycle();
    } catch (const platform::Deadlock&) {
        throw;  // a test's wait that can never end is not the panel's fault
    } catch (const platform::Error& e) {
        recover(e.description());
    } catch (const std::exception& e) {
        recover(e.what());
    }
}

void PollCycle::recover(const std::string& description)
{
    w_.enableWorkingControls();
    w_.services.loop.processEvents();
    w_.services.host.messageBox(description, w_.form1.spec().caption, platform::MessageIcon::None,
                                platform::MessageButtons::Ok);
    w_.Buffer.clear();
    w_.services.loop.processEvents();
}

void PollCycle::runCycle()
{
    if (w_.Buffer.size() > BufferLimit)
        w_.Buffer.erase(0, w_.Buffer.size() - BufferKeep);
    findFramesBeforeStatus();
    answerStatusFrame();
}

void PollCycle::findFramesBeforeStatus()
{
    editor::MainWindow& w = w_;
    platform::EventLoop& loop = w.services.loop;

    if (auto clock = findClockFrame(w.Buffer)) {
        display_.showClock(clock->time);
        keepFrom(w.Buffer, clock->keepFrom);
    }

    if (auto progress = dumpProgress(w.Buffer)) {
        w.label("Label_ok").setCaption(*progress);
        loop.processEvents();
        if (auto dump = findDumpFrame(w.Buffer)) {
            w.Receive_EEPROM = dump->text;
            keepFrom(w.Buffer, dump->keepFrom);
            loop.processEvents();
            if (w.decode_image)
                w.decode_image();
            else
                w.enableWorkingControls();
        }
    }

    struct Answer {
        std::optional<std::size_t> (*find)(const std::string&);
        const char* text;
    };
    for (const Answer& a : {Answer{findWriteAck, "S    OK"}, Answer{findWriteNak, "S    :- ("}}) {
        if (auto keep = a.find(w.Buffer)) {
            keepFrom(w.Buffer, *keep);
            w.label("Label_ok").setCaption(a.text);
            w.enableWorkingControls();
            loop.processEvents();
        }
    }
}

void PollCycle::answerStatusFrame()
{
    std::optional<StatusFrameAt> status = findStatusFrame(w_.Buffer);
    if (!status)
        return;
    if (!w_.autoload_done) {
        w_.autoload_done = true;
        readRequest();
        w_.services.loop.processEvents();
        // The events may have changed the receive text; look again.
        status = findStatusFrame(w_.Buffer);
        if (!status)
            return;
    }
    w_.link_ok = true;
    w_.est_shnur = true;
    w_.label("Label_clock").setCaption("");
    if (!w_.work_with_file)
        display_.checkVersion(w_.Buffer, status->p);
    display_.showStatus(readStatusFields(w_.Buffer, status->p));
    w_.label("Label_link").setVisible(true);
    keepFrom(w_.Buffer, status->keepFrom());
    dispatch();
}

void PollCycle::dispatch()
{
    if (w_.receive_command) {
        port_.sendPaced(readCommand());
        w_.receive_command = false;
    } else if (w_.send_command) {
        if (w_.send_all_parameters)
            w_.send_all_parameters();
        w_.send_command = false;
    } else if (w_.set_time) {
        port_.sendPaced(setClockCommand(w_.services.clock.now()));
        w_.set_time = false;
    } else if (w_.set_output_command) {
        w_.set_output_command = false;
        std::uint8_t state = takeOutputState(w_.grid("MSFlexGrid_csd_input"));
        port_.sendPaced(setOutputsCommand(state));
    } else {
        keepAlive();
    }
}

void PollCycle::keepAlive()
{
    port_.sendWhole(pollCommand());
    ui::Label& indicator = w_.label("Label_link");
    indicator.setBackColor(indicator.backColor() != ui::color::Highlight ? ui::color::Highlight
                                                                         : ui::color::ButtonFace);
    ui::Button& receive = w_.button("Command_receiv");
    ui::Button& send = w_.button("Command_send");
    receive.setEnabled(true);
    send.setEnabled(true);
    receive.setCaption("Считать настройки");
    send.setCaption("Записать настройки");
    send.setBackColor(ui::color::ButtonFace);
    for (const char* name : {"Command_set_time", "Command_flat", "Command_open_file", "Command_save_file"})
        w_.button(name).setEnabled(true);
    w_.tabs().setEnabled(true);
    w_.services.loop.processEvents();
}

void PollCycle::readRequest()
{
    editor::MainWindow& w = w_;
    w.link_ok = false;
    emptyField(w, "Text_file_name");
    emptyField(w, "Label_ok");
    for (int i = 1; i <= 8; ++i)
        emptyField(w, "Text_short" + std::to_string(i));
    for (int i = 1; i <= 8; ++i) {
        w.check("Check_ring" + std::to_string(i)).setValue(0);
        w.check("Check_sms" + std::to_string(i)).setValue(0);
        w.list("Combo_sms" + std::to_string(i)).setListIndex(0);
    }
    for (const char* name : RequestLocked)
        w.button(name).setEnabled(false);
    w.label("Label_clock").setCaption("");
    w.services.loop.processEvents();

    for (int i = 0; i <= 8; ++i)
        emptyField(w, ui::indexed("phone", i));
    for (const char* name : {"Text_charge1", "Text_charge2", "Text_pin", "Label_version", "Label_ID"})
        emptyField(w, name);
    w.check("Check_tone_on").setValue(0);
    for (int i = 1; i <= 8; ++i)
        w.text("Text_f_" + std::to_string(i)).setText("0");
    w.services.loop.processEvents();
    w.receive_command = true;
}

void PollCycle::writeRequest()
{
    editor::MainWindow& w = w_;
    w.link_ok = false;
    // The low-battery threshold never goes out above the supply threshold.
    auto supply = integerIn(w, "Text_lev_12v");
    auto lowBattery = integerIn(w, "Text_lev_low_batt");
    if (supply && lowBattery && *supply < *lowBattery)
        w.text("Text_lev_low_batt").setText(w.text("Text_lev_12v").text());
    for (const char* name : {"Label_ID", "Label_version", "Label_ok"})
        emptyField(w, name);
    for (const char* name : RequestLocked)
        w.button(name).setEnabled(false);
    w.button("Command_send").setBackColor(ui::color::Highlight);
    w.label("Label_clock").setCaption("");
    w.services.loop.processEvents();
    w.send_command = true;
}

void PollCycle::setClockRequest()
{
    editor::MainWindow& w = w_;
    w.link_ok = false;
    ui::Timer& timeOut = w.timer("Timer_time_out");
    timeOut.setInterval(0);
    w.services.loop.processEvents();
    timeOut.setInterval(40000);
    for (const char* name : {"Command_receiv", "Command_send", "Command_set_time"})
        w.button(name).setEnabled(false);
    w.label("Label_clock").setCaption("");
    w.label("Label_ok").setCaption("");
    w.set_time = true;
}

void PollCycle::timeOutExpired()
{
    w_.timer("Timer_time_out").setInterval(0);
    w_.services.loop.processEvents();
    if (w_.link_ok)
        return;
    w_.enableWorkingControls();
    w_.services.loop.processEvents();
}

void PollCycle::helpExpired()
{
    w_.timer("Timer_help").setInterval(0);
    w_.services.loop.processEvents();
    if (w_.check("Check_csd_mode").value() == 0 && !w_.est_shnur) {
        w_.help.show();
        w_.services.loop.processEvents();
    }
}

}  // namespace devlink
