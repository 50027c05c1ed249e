#include <gtest/gtest.h>
#include <iconv.h>

#include "files/cp1251.h"
#include "files/number_text.h"
#include "platform/error.h"

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
        std::string text = files::cp1251ToUtf8(byte);
        if (b != 0x98) {
            EXPECT_EQ(text, iconvUtf8(byte));
        }
        EXPECT_EQ(files::utf8ToCp1251(text), byte);
    }
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(files::utf8ToCp1251("a☺b"), "a?b");
    EXPECT_EQ(files::utf8ToCp1251("\xD0"), "?");          // cut sequence
    EXPECT_EQ(files::utf8ToCp1251("\xFF" "a"), "?a");     // no sequence starts so
    EXPECT_EQ(files::utf8ToCp1251("𝄞"), "?");             // beyond the basic plane
}

TEST(NumberText, ConvertsAsTheToolkitDoes)
{
    struct Case {
        const char* text;
        int value;  // or the error number when error is set
        bool error;
    } cases[] = {{"12", 12, false},   {" -7 ", -7, false}, {"+3", 3, false},    {"1e2", 100, false},
                 {"2.5", 2, false},   {"3.5", 4, false},   {"-0.5", 0, false},  {"", 13, true},
                 {" ", 13, true},     {"abc", 13, true},   {"1,5", 13, true},   {"inf", 13, true},
                 {"0x10", 13, true},  {"32767", 32767, false}, {"32768", 6, true}, {"-32768", -32768, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            int v = files::number_text::toInt16(c.text);
            EXPECT_FALSE(c.error);
            EXPECT_EQ(v, c.value);
        } catch (const platform::Error& e) {
            EXPECT_TRUE(c.error);
            EXPECT_EQ(e.number(), c.value);
        }
    }
}

}  // namespace
