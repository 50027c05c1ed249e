#include "link/status_display.h"

#include "ui/utf8.h"

namespace devlink {

namespace {

constexpr int StatusGridStateColumn = 2;
constexpr const char* StatusGrid = "MSFlexGrid_csd_input";

std::string inputState(bool alarm) { return alarm ? "АЛАРМ" : "норма"; }
std::string onOff(bool on) { return on ? "ВКЛ" : "выкл"; }

std::string textOf(const editor::MainWindow& w, const std::string& name)
{
    ui::Control* c = w.form1.find(name);
    if (c && c->kind() == ui::Kind::TextField)
        return static_cast<ui::TextField*>(c)->text();
    return "";
}

}  // namespace

StatusDisplay::StatusDisplay(editor::MainWindow& window) : w_(window)
{
    ui::Control* web = w_.form1.find("Label_web");
    if (web && web->kind() == ui::Kind::Label)
        static_cast<ui::Label*>(web)->onClick = [this] { openWebLink(); };
}

void StatusDisplay::showClock(const std::string& time)
{
    w_.label("Label_clock").setCaption("Время Устройства: " + time);
}

void StatusDisplay::checkVersion(const std::string& buffer, std::size_t p)
{
    const std::string expectedShort = ui::utf8::right(ExpectedVersion, 3);
    std::optional<std::string> version = statusVersion(buffer, p);
    if (!version) {
        w_.label("Label_clock").setCaption("ОБНОВИТЕ версию ПО на " + expectedShort + " !!!");
        return;
    }
    w_.label("Label_version").setCaption(*version);
    if (*version != ExpectedVersion)
        w_.label("Label_clock")
            .setCaption("У Вас версия ПО " + ui::utf8::right(*version, 3) + ". ОБНОВИТЕ на " + expectedShort +
                        " !!!");
}

std::string StatusDisplay::input8LevelText(std::uint8_t byte, const std::string& decimalSeparator)
{
    // byte x 0.11 V, rounded to tenths.
    int tenths = (byte * 11 + 5) / 10;
    return "+" + std::to_string(tenths / 10) + decimalSeparator + std::to_string(tenths % 10) + "V";
}

void StatusDisplay::showStatus(const StatusFields& f)
{
    ui::Grid& grid = w_.grid(StatusGrid);
    const int col = StatusGridStateColumn;
    for (int row : {1, 2, 3, 4, 8})
        grid.setCell(row, col, inputState(f.inputs & (1 << (row - 1))));
    grid.setCell(8, col,
                 input8LevelText(f.input8Level, w_.services.regional.decimalSeparator()) + ", " +
                     inputState(f.inputs & 0x80));
    grid.setCell(12, col, "");
    grid.setCell(12, col, temperatureText(f.temperature));
    for (int output = 0; output < 3; ++output)
        grid.setCell(9 + output, col, onOff(f.outputs & (1 << output)));
    grid.setCell(13, col, onOff(f.guard()));
}

void StatusDisplay::openWebLink()
{
    w_.services.host.openUrl("http://" + textOf(w_, "Text_ip") + ":" + textOf(w_, "Text_port"));
}

}  // namespace devlink
