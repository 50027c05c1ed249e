#include <gtest/gtest.h>

#include "modem/terminal_view.h"
#include "support/editor_window.h"
#include "ui/utf8.h"

namespace {

TEST(TerminalView, KeepsTheLast60CharactersOnceItHoldsMoreThan120)
{
    support::EditorWindow e;
    ui::TextField& terminal = e.w.text("Text_at");
    struct Case {
        std::size_t length;
        std::size_t shown;
    } cases[] = {{120, 120}, {121, 60}, {500, 60}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        terminal.setText("");
        std::string received;
        for (std::size_t i = 0; i < c.length; ++i)
            received += i % 2 ? "Ж" : "a";  // two-byte characters count as one
        terminal.setText(received);
        EXPECT_EQ(ui::utf8::length(terminal.text()), c.shown);
        EXPECT_EQ(terminal.text(), ui::utf8::right(received, c.shown));
        EXPECT_EQ(terminal.caret(), static_cast<int>(c.shown));
    }
}

}  // namespace
