#include <gtest/gtest.h>

#include "image/encoder.h"
#include "image/write_transfer.h"
#include "image_fixture.h"
#include "support/editor_window.h"

namespace {

using support::EditorWindow;

// A line that records what the transfer does, in order, with the caption
// of Label_ok at that moment.
struct RecordingLine {
    struct Step {
        std::string what;  // "paced", "whole", "pause"
        std::string bytes;
        int milliseconds = 0;
        std::string caption;
    };

    explicit RecordingLine(editor::MainWindow& w) : w(w) {}

    image::Line line()
    {
        return {[this](const std::string& b) { steps.push_back({"paced", b, 0, caption()}); },
                [this](const std::string& b) { steps.push_back({"whole", b, 0, caption()}); },
                [this](int ms) { steps.push_back({"pause", "", ms, caption()}); }};
    }
    std::string caption() const { return w.label("Label_ok").caption(); }

    editor::MainWindow& w;
    std::vector<Step> steps;
};

class WriteTransfer : public ::testing::Test {
protected:
    // Every caption Label_ok shows during the transfer.
    std::vector<std::string> captions;
    EditorWindow e;
    RecordingLine recorder{e.w};

    void SetUp() override
    {
        e.w.label("Label_ok").observe([this] {
            const std::string& c = e.w.label("Label_ok").caption();
            if (captions.empty() || captions.back() != c)
                captions.push_back(c);
        });
    }
};

TEST_F(WriteTransfer, SendsCommandSixteenBlocksWithPausesAndTheChecksum)
{
    e.w.text("Text_z(0)").setText("AB");
    image::send_all_parameters(e.w, recorder.line());

    // The window was completed before the image was built.
    EXPECT_EQ(e.w.text("Text_z(0)").text(), "ABxx");
    image::Image expected = image::encode(e.w);

    const auto& s = recorder.steps;
    ASSERT_EQ(s.size(), 1u + 2 * 16 + 1);
    EXPECT_EQ(s[0].what, "paced");
    EXPECT_EQ(s[0].bytes, std::string("\x01\x01\x02\x0A\x0C\x0E", 6));
    std::string sent;
    for (int k = 0; k < 16; ++k) {
        const auto& block = s[1 + 2 * k];
        const auto& pause = s[2 + 2 * k];
        EXPECT_EQ(block.what, "whole");
        EXPECT_EQ(block.bytes.size(), 64u);
        EXPECT_EQ(pause.what, "pause");
        EXPECT_EQ(pause.milliseconds, 500);
        sent += block.bytes;
    }
    EXPECT_EQ(sent, std::string(expected.begin(), expected.end()));
    EXPECT_EQ(s.back().what, "whole");
    EXPECT_EQ(s.back().bytes, std::string(1, static_cast<char>(image::checksum(expected))));

    EXPECT_EQ(s[1].caption, "1%");  // the first block goes out under "1%"
    std::vector<std::string> expectedCaptions = {"%", "1%"};
    for (int k = 1; k <= 16; ++k)
        expectedCaptions.push_back(image::progressCaption(k, 16));
    EXPECT_EQ(captions, expectedCaptions);  // "100%" after block 16 and again after the checksum
    EXPECT_EQ(expectedCaptions[3], "13%");   // 12.5 rounds up
    EXPECT_EQ(expectedCaptions.back(), "100%");
    EXPECT_EQ(e.w.button("Command_send").backColor(), ui::color::Highlight);
}

TEST_F(WriteTransfer, RefusedValueSendsNothingAndSaysWhich)
{
    e.w.text("Text_ip").setText(std::string(30, '1'));
    image::send_all_parameters(e.w, recorder.line());

    EXPECT_TRUE(recorder.steps.empty());
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_NE(e.host.messages[0].text.find("Form1.Text_ip.Text"), std::string::npos);
    EXPECT_NE(e.host.messages[0].text.find("24"), std::string::npos);
    EXPECT_EQ(e.w.label("Label_ok").caption(), "");
}

}  // namespace
