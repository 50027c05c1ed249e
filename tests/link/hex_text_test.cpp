#include <gtest/gtest.h>

#include "link/hex_text.h"
#include "platform/error.h"

namespace {

TEST(HexText, EveryByteIsTwoUpperCaseDigitsAndASpace)
{
    struct Case {
        platform::Bytes bytes;
        std::string text;
    } cases[] = {
        {{0x0A}, "0A "},
        {{0xFF}, "FF "},
        {{0x00}, "00 "},
        {{0x43, 0x4C, 0x4B, 0x3A}, "43 4C 4B 3A "},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(devlink::hexText(c.bytes), c.text);

    std::string buffer = "4C ";
    devlink::appendHexText(buffer, {0xab});
    EXPECT_EQ(buffer, "4C AB ");
}

TEST(HexText, SearchIsOneBasedAndIgnoresLetterCase)
{
    const std::string buffer = "00 4c 49 07 45 4C 49 ";
    EXPECT_EQ(devlink::search(buffer, "4C 49 "), 4u);
    EXPECT_EQ(devlink::search(buffer, "4C 49 ", 5), 16u);
    EXPECT_EQ(devlink::search(buffer, "4C 49 ", 17), 0u);
    EXPECT_EQ(devlink::search(buffer, "FF "), 0u);
    EXPECT_EQ(devlink::search("", "FF "), 0u);
}

TEST(HexText, FrameByteReadsByteKOfAFrameAndRefusesWhatIsNoByte)
{
    const std::string buffer = "xx 4C 49 0a 45 G1 4";
    EXPECT_EQ(devlink::frameByte(buffer, 4, 0), 0x4C);
    EXPECT_EQ(devlink::frameByte(buffer, 4, 2), 0x0A);
    for (std::size_t k : {4u, 5u, 6u}) {  // non-hex digit, half a byte, nothing
        try {
            devlink::frameByte(buffer, 4, k);
            ADD_FAILURE() << "byte " << k << " was read";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), platform::errc::TypeMismatch);
        }
    }
}

TEST(HexText, KeepFromDropsTheCharactersBeforeAPosition)
{
    std::string buffer = "41 43 03 01 00 ";
    devlink::keepFrom(buffer, 12);
    EXPECT_EQ(buffer, " 00 ");
    devlink::keepFrom(buffer, 99);
    EXPECT_EQ(buffer, "");
}

}  // namespace
