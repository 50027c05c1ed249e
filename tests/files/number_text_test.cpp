#include <gtest/gtest.h>

#include "files/number_text.h"
#include "platform/error.h"

namespace {

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
