#include <gtest/gtest.h>
#include <iconv.h>

#include "ui/cp1251.h"

namespace {

std::string iconvUtf8(const std::string& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string in = bytes, out(16, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    std::size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1))
        return {};
    out.resize(out.size() - outLeft);
    return out;
}

TEST(Cp1251, EveryByteMatchesTheSystemsCodePageAndSurvivesARoundTrip)
{
    if (iconvUtf8("A") != "A")
        GTEST_SKIP() << "no CP1251 in iconv";
    for (int b = 1; b < 256; ++b) {
        SCOPED_TRACE(b);
        std::string byte(1, static_cast<char>(b));
        std::string text = ui::cp1251::toUtf8(byte);
        if (b != 0x98) {
            EXPECT_EQ(text, iconvUtf8(byte));
        }
        EXPECT_EQ(ui::cp1251::fromUtf8(text), byte);
    }
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(ui::cp1251::fromUtf8("a☺b"), "a?b");
    EXPECT_EQ(ui::cp1251::fromUtf8("\xD0"), "?");          // cut sequence
    EXPECT_EQ(ui::cp1251::fromUtf8("\xFF" "a"), "?a");     // no sequence starts so
    EXPECT_EQ(ui::cp1251::fromUtf8("𝄞"), "?");             // beyond the basic plane
}

TEST(Cp1251, ConvertsBothWaysAndKeepsTheUndefinedByte)
{
    EXPECT_EQ(ui::cp1251::toUtf8("AT\xC0\xFF\xA8"), "ATАяЁ");
    EXPECT_EQ(ui::cp1251::fromUtf8("ATАяЁ"), "AT\xC0\xFF\xA8");
    EXPECT_EQ(ui::cp1251::fromUtf8(ui::cp1251::toUtf8(std::string("a\x98" "b"))), "a\x98" "b");
    EXPECT_EQ(ui::cp1251::fromUtf8("a€b✓c"), "a\x88" "b?c");
    EXPECT_EQ(ui::cp1251::toUtf8(std::string("\0z", 2)), std::string("\0z", 2));
}

}  // namespace
