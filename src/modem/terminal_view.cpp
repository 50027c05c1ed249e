#include "modem/terminal_view.h"

#include "ui/utf8.h"

namespace modem {

namespace {
constexpr std::size_t Longest = 120;
constexpr std::size_t Kept = 60;
}  // namespace

void wireTerminalView(editor::MainWindow& w)
{
    ui::TextField& terminal = w.text("Text_at");
    terminal.onChange = [&terminal] {
        if (ui::utf8::length(terminal.text()) > Longest)
            terminal.setText(ui::utf8::right(terminal.text(), Kept));
        terminal.moveCaretToEnd();
    };
}

}  // namespace modem
