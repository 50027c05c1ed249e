#include <sstream>

#include "app/batch_mode.h"
#include "files_fixture.h"
#include "sim/panel.h"
#include "sim/simulated_port.h"

namespace {

using app::BatchRequest;
using files_test::readBytes;
using files_test::writeBytes;
namespace batch_exit = app::batch_exit;

// The port of the computer with one byte of the configuration write
// damaged on its way, so that the panel's checksum fails.
class DamagingPort : public platform::SerialPort {
public:
    explicit DamagingPort(sim::SimulatedPort& inner) : inner_(inner)
    {
        inner_.onEvent = [this](platform::PortEvent e) {
            if (onEvent)
                onEvent(e);
        };
    }
    void setPortNumber(int n) override { inner_.setPortNumber(n); }
    void setDevicePath(const std::string& p) override { inner_.setDevicePath(p); }
    void setSettings(const std::string& s) override { inner_.setSettings(s); }
    void setHandshaking(int m) override { inner_.setHandshaking(m); }
    void open() override { inner_.open(); }
    bool isOpen() const override { return inner_.isOpen(); }
    int outBufferCount() const override { return inner_.outBufferCount(); }
    platform::Bytes readAll() override { return inner_.readAll(); }
    void write(const platform::Bytes& bytes) override
    {
        platform::Bytes out = bytes;
        for (auto& b : out) {
            // The write command ends with 0A 0C 0E; the 100th byte after it is damaged.
            recent_ = (recent_ << 8 | b) & 0xFFFFFF;
            if (afterCommand_ >= 0 && ++afterCommand_ == 100)
                b ^= 0x01;
            if (recent_ == 0x0A0C0E)
                afterCommand_ = 0;
        }
        inner_.write(out);
    }

private:
    sim::SimulatedPort& inner_;
    unsigned recent_ = 0;
    int afterCommand_ = -1;
};

// A simulated panel on its line, in virtual time.
struct Bench {
    platform::VirtualEventLoop loop;
    sim::Panel panel{loop};
    sim::SimulatedPort port{loop, panel};
};

class BatchTest : public ::testing::Test {
protected:
    int run(BatchRequest::Action action, const std::string& file, platform::SerialPort* port = nullptr)
    {
        out.str("");
        err.str("");
        BatchRequest request{action, file, "/dev/ttyPANEL"};
        return app::runBatch(request, bench->loop, port ? *port : bench->port, clock, regional, out, err);
    }
    // The next run finds the panel as just switched on, the port closed.
    void replug()
    {
        platform::Bytes image(bench->panel.image.begin(), bench->panel.image.end());
        bench = std::make_unique<Bench>();
        std::copy(image.begin(), image.end(), bench->panel.image.begin());
    }

    static std::string replaceLine(std::string file, const std::string& key, const std::string& value)
    {
        auto at = file.find(key + "\t");
        EXPECT_NE(at, std::string::npos) << key;
        auto end = file.find("\r\n", at);
        file.replace(at, end - at, key + "\t" + value);
        return file;
    }

    support::WorkFolder folder;
    std::unique_ptr<Bench> bench = std::make_unique<Bench>();
    platform::FixedClock clock;
    platform::FixedRegional regional;
    std::ostringstream out, err;
};

TEST_F(BatchTest, ReadChangeWriteAndReadAgainShowsTheChange)
{
    // A panel that holds the factory configuration.
    writeBytes("factory.cfq", files_test::fixture("factory.cfq"));
    ASSERT_EQ(run(BatchRequest::Action::WriteFrom, "factory.cfq"), batch_exit::Ok) << err.str();
    replug();

    ASSERT_EQ(run(BatchRequest::Action::ReadTo, "first.cfq"), batch_exit::Ok) << err.str();
    EXPECT_NE(out.str().find("connect /dev/ttyPANEL\nlink: panel answered\nread: L    OK\nsaved first.cfq\n"),
              std::string::npos)
        << out.str();
    std::string first = readBytes("first.cfq");
    ASSERT_EQ(std::count(first.begin(), first.end(), '\n'), 198);
    EXPECT_NE(first.find("Form1.Text_z(0).Text\tDver\r\n"), std::string::npos);

    std::string changed = replaceLine(first, "Form1.Text_z(0).Text", "Door");
    changed = replaceLine(changed, "Form1.Text_charge1.Text", "500");
    writeBytes("changed.cfq", changed);
    replug();
    ASSERT_EQ(run(BatchRequest::Action::WriteFrom, "changed.cfq"), batch_exit::Ok) << err.str();
    EXPECT_NE(out.str().find("load changed.cfq\nwrite: S    OK\n"), std::string::npos) << out.str();
    EXPECT_EQ(bench->panel.writesStored(), 1);

    replug();
    ASSERT_EQ(run(BatchRequest::Action::ReadTo, "again.cfq"), batch_exit::Ok) << err.str();
    std::string again = readBytes("again.cfq");
    EXPECT_NE(again.find("Form1.Text_z(0).Text\tDoor\r\n"), std::string::npos);
    EXPECT_NE(again.find("Form1.Text_charge1.Text\t500\r\n"), std::string::npos);
    EXPECT_EQ(again, changed);
}

TEST_F(BatchTest, SaveDefaultsNeedsNoPanelAndGivesTheFactoryFile)
{
    ASSERT_EQ(run(BatchRequest::Action::SaveDefaults, "factory.cfq"), batch_exit::Ok) << err.str();
    EXPECT_EQ(readBytes("factory.cfq"), files_test::fixture("factory.cfq"));
    EXPECT_TRUE(bench->panel.heard().empty());
    EXPECT_FALSE(std::filesystem::exists(files::kCaptionFileName));
}

TEST_F(BatchTest, FailuresEndWithTheirOwnCodeAndMessage)
{
    struct Case {
        const char* name;
        std::function<void(Bench&)> arrange;
        BatchRequest::Action action;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"silent panel", [](Bench& b) { b.panel.silent = true; }, BatchRequest::Action::ReadTo,
         batch_exit::NoAnswer, "link: no answer from the panel within 20 s"},
        {"checksum mismatch", [](Bench& b) { b.panel.badDumpChecksum = true; }, BatchRequest::Action::ReadTo,
         batch_exit::BadChecksum, "read: checksum mismatch"},
        {"port cannot open", [](Bench& b) { b.port.failOpen(8010, "Port open failed"); },
         BatchRequest::Action::ReadTo, batch_exit::PortProblem, "Port open failed"},
        {"missing file", [](Bench&) {}, BatchRequest::Action::WriteFrom, batch_exit::FileProblem,
         "check out.cfq: File not found"},
        {"damaged file", [](Bench&) { writeBytes("out.cfq", "Form1.Combo_out1.ListIndex\tx\r\n"); },
         BatchRequest::Action::WriteFrom, batch_exit::FileProblem,
         "line 1 (Form1.Combo_out1.ListIndex): Type mismatch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bench = std::make_unique<Bench>();
        c.arrange(*bench);
        EXPECT_EQ(run(c.action, "out.cfq"), c.code) << out.str() << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        if (c.action == BatchRequest::Action::ReadTo)
            EXPECT_FALSE(std::filesystem::exists("out.cfq"));
        else
            EXPECT_TRUE(bench->panel.heard().empty());
        std::filesystem::remove("out.cfq");
    }
}

TEST_F(BatchTest, RefusedWriteIsReported)
{
    writeBytes("in.cfq", files_test::fixture("factory.cfq"));
    DamagingPort damaging(bench->port);
    EXPECT_EQ(run(BatchRequest::Action::WriteFrom, "in.cfq", &damaging), batch_exit::WriteRefused) << err.str();
    EXPECT_NE(out.str().find("write: S    :- (\n"), std::string::npos) << out.str();
    EXPECT_EQ(bench->panel.writesRefused(), 1);
}

TEST(BatchArguments, AskForOneActionWithItsFileAndPort)
{
    struct Case {
        std::vector<std::string> args;
        bool wanted;
        const char* error;  // empty: a request
    } cases[] = {
        {{}, false, ""},
        {{"--port", "/dev/ttyUSB0", "--connect"}, false, ""},
        {{"--port", "/dev/ttyUSB0", "--read-to", "a.cfq"}, true, ""},
        {{"--write-from", "a.cfq", "--port", "/dev/ttyUSB0"}, true, ""},
        {{"--save-defaults", "a.cfq"}, true, ""},
        {{"--read-to", "a.cfq"}, true, "need --port"},
        {{"--read-to"}, true, "--read-to needs a value"},
        {{"--read-to", "a.cfq", "--save-defaults", "b.cfq", "--port", "p"}, true, "only one"},
    };
    for (const Case& c : cases) {
        auto parsed = app::parseBatchArguments(c.args);
        EXPECT_EQ(parsed.wanted(), c.wanted);
        if (std::string(c.error).empty())
            EXPECT_TRUE(parsed.error.empty()) << parsed.error;
        else
            EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    }
}

}  // namespace
