#include <gtest/gtest.h>

#include <cstdio>

#include "image/write_transfer.h"
#include "image_fixture.h"
#include "support/panel_session.h"

namespace {

using support::PanelSession;
using namespace std::chrono_literals;

void toFactory(PanelSession& s)
{
    s.w.button("Command_flat").userClick();
    s.w.text("Text_apn_sim1").setText("internet");
    s.w.text("Text_ip").setText("192.0.2.10");
}

bool write(PanelSession& s)
{
    s.w.button("Command_send").userClick();
    return s.runUntil([&] { return s.w.label("Label_ok").caption() == "S    OK"; });
}

bool read(PanelSession& s)
{
    s.w.button("Command_receiv").userClick();
    return s.runUntil([&] { return s.w.label("Label_ok").caption() == "L    OK"; });
}

TEST(RoundTrip, FactoryConfigurationWrittenAndReadBack)
{
    PanelSession s;
    s.linkUpAndUnlocked();
    toFactory(s);
    auto before = s.settings();

    ASSERT_TRUE(write(s));
    EXPECT_EQ(s.panel.writesStored(), 1);
    image::Image expected = image_test::readImageFixture("factory_image.hex");
    EXPECT_TRUE(s.panel.image == expected);

    ASSERT_TRUE(read(s));
    auto after = s.settings();
    // Temperatures come back as plain numbers.
    before["Form1.Text_Tmax.Text"] = "80";
    before["Form1.Text_DS_Tmin.Text"] = "5";
    before["Form1.Text_DS_Tmax.Text"] = "50";
    for (const auto& [key, value] : before)
        EXPECT_EQ(after[key], value) << key;
    EXPECT_EQ(s.w.label("Label_ID").caption(), s.panel.serialNumber);
}

TEST(RoundTrip, EditedWindowReachesThePanelAndComesBack)
{
    PanelSession s;
    s.linkUpAndUnlocked();
    s.w.text("phone(2)").setText("+380501112233");
    s.w.text("Text_z(1)").setText("AB");
    s.w.text("Text_lev_12v").setText("105");
    s.w.text("Text_lev_low_batt").setText("100");
    s.w.list("Check_zero8").setListIndex(0);
    s.w.list("Combo_out2").setListIndex(7);
    s.w.grid("MSFlexGrid_inputs_to_out").setMarked(2, 0, true);
    s.w.grid("MSFlexGrid_z_o").setMarked(1, 5, true);  // input 6: not offered, dropped on reading
    auto before = s.settings();
    ASSERT_TRUE(write(s));
    EXPECT_EQ(s.w.text("Text_z(1)").text(), "ABxx");
    EXPECT_EQ(s.panel.image[262], 95);

    ASSERT_TRUE(read(s));
    auto after = s.settings();
    before["Form1.Text_z(1).Text"] = "ABxx";
    before["Form1.Text_lev_12v.Text"] = "104";
    before["Form1.MSFlexGrid_z_o.Row = 1"] = std::to_string(std::stoi(before["Form1.MSFlexGrid_z_o.Row = 1"]) & ~0x70);
    for (const char* key : {"Form1.phone(2).Text", "Form1.Text_z(1).Text", "Form1.Text_lev_12v.Text",
                            "Form1.Text_lev_low_batt.Text", "Form1.Check_zero8.ListIndex", "Form1.Combo_out2.ListIndex",
                            "Form1.MSFlexGrid_inputs_to_out.Row = 2", "Form1.MSFlexGrid_z_o.Row = 1"})
        EXPECT_EQ(after[key], before[key]) << key;
}

TEST(RoundTrip, DumpWithBadChecksumChangesNothing)
{
    PanelSession s;
    s.linkUpAndUnlocked();
    s.panel.badDumpChecksum = true;
    s.w.text("Text_ip").setText("10.1.1.1");
    // The read request empties the fields the read fills; from then on
    // nothing may move.
    s.w.button("Command_receiv").userClick();
    auto before = s.settings();
    ASSERT_TRUE(s.runUntil([&] { return s.w.label("Label_ok").caption() == "L    :- ("; }));
    EXPECT_EQ(s.settings(), before);
    EXPECT_EQ(s.w.text("Text_ip").text(), "10.1.1.1");
}

TEST(RoundTrip, RefusedWriteShowsTheRefusal)
{
    PanelSession s;
    s.linkUpAndUnlocked();
    // A line that spoils the checksum byte, so that the panel refuses.
    image::Line spoiling{
        [&](const std::string& b) {
            for (char c : b) {
                s.loop.waitUntil([&] { return s.port.outBufferCount() == 0; });
                s.port.write({static_cast<std::uint8_t>(c)});
            }
        },
        [&](const std::string& b) {
            s.loop.waitUntil([&] { return s.port.outBufferCount() == 0; });
            platform::Bytes bytes = platform::bytesOf(b);
            if (bytes.size() == 1)
                ++bytes[0];
            s.port.write(bytes);
        },
        [&](int ms) {
            bool done = false;
            s.loop.callLater(ms, [&] { done = true; });
            s.loop.waitUntil([&] { return done; });
        }};
    s.w.send_all_parameters = [&] { image::send_all_parameters(s.w, spoiling); };
    image::Image stored = s.panel.image;
    s.w.button("Command_send").userClick();
    ASSERT_TRUE(s.runUntil([&] { return s.w.label("Label_ok").caption() == "S    :- ("; }));
    EXPECT_EQ(s.panel.writesRefused(), 1);
    EXPECT_TRUE(s.panel.image == stored);
    EXPECT_TRUE(s.w.button("Command_send").enabled());
}

TEST(RoundTrip, RefusedValueSendsNoWriteToThePanel)
{
    PanelSession s;
    s.linkUpAndUnlocked();
    s.w.text("Text_port").setText(std::string(300, '8'));
    std::size_t heard = s.panel.heard().size();
    s.w.button("Command_send").userClick();
    ASSERT_TRUE(s.runUntil([&] { return !s.host.messages.empty(); }));
    EXPECT_NE(s.host.messages[0].text.find("Form1.Text_port.Text"), std::string::npos);
    s.loop.runFor(10000);
    for (std::size_t i = heard; i < s.panel.heard().size(); ++i)
        EXPECT_NE(s.panel.heard()[i].command, "write");
    EXPECT_EQ(s.host.messages.size(), 1u);  // the write is not retried
    EXPECT_TRUE(s.w.button("Command_send").enabled());
}

// A full read and a full write take what the protocol needs: the write its
// sixteen pauses plus the line time, the read at most two poll cycles plus
// the line time.
TEST(RoundTrip, ReadAndWriteDurationsInVirtualTime)
{
    for (int baud : {9600, 115200}) {
        PanelSession s(baud);
        s.linkUpAndUnlocked();
        const double byteMs = 10000.0 / baud;

        auto clickAt = s.loop.now();
        ASSERT_TRUE(write(s));
        auto ackAt = s.loop.now();
        // From the write command's first byte to the checksum byte: six
        // paced bytes, sixteen blocks, then the checksum.
        const auto& writes = s.port.writes();
        std::size_t i = 0;
        while (i < writes.size() && (writes[i].at < clickAt || writes[i].bytes.size() != 1))
            ++i;
        ASSERT_LT(i + 22, writes.size());
        EXPECT_EQ(writes[i + 6].bytes.size(), 64u);
        EXPECT_EQ(writes[i + 22].bytes.size(), 1u);
        auto first = writes[i].at, last = writes[i + 22].at;
        double transferMs = double((last - first).count());
        EXPECT_GE(transferMs, 16 * 500);
        EXPECT_LE(transferMs, 16 * 500 + (6 + 1024) * byteMs + 20);

        auto readClick = s.loop.now();
        ASSERT_TRUE(read(s));
        double readMs = double((s.loop.now() - readClick).count());
        EXPECT_LE(readMs, 2 * 2000 + (6 + 1069) * byteMs + 50);

        std::printf("[ timing ] %6d baud: write transfer %.0f ms (click to acknowledgement %lld ms), "
                    "read %.0f ms (click to applied)\n",
                    baud, transferMs, static_cast<long long>((ackAt - clickAt).count()), readMs);
    }
}

}  // namespace
