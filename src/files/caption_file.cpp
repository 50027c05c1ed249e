#include "files/caption_file.h"

#include <unordered_map>

#include "ui/cp1251.h"
#include "files/file_io.h"

namespace files {
namespace {

using Target = CaptionEntry::Target;

std::vector<CaptionEntry> build()
{
    std::vector<CaptionEntry> all;
    auto caption = [&](std::string key, Target target, std::string control) {
        all.push_back({std::move(key), target, std::move(control)});
    };
    auto listEntries = [&](const std::string& list, int count, int defaultSelection) {
        for (int i = 0; i < count; ++i)
            all.push_back({"Form1." + list + ".Text" + std::to_string(i), Target::ListEntry, list, i, 0,
                           defaultSelection});
    };
    auto gridCells = [&](const std::string& grid, int firstRow, int lastRow, int col) {
        for (int r = firstRow; r <= lastRow; ++r)
            all.push_back({"Form1." + grid + ".Row = " + std::to_string(r), Target::GridCell, grid, r, col});
    };

    caption("Form1.Caption", Target::WindowTitle, "");
    caption("Form1.Cmd(0).Caption", Target::ButtonCaption, "Cmd(0)");
    caption("Form1.Cmd_atd.Caption", Target::ButtonCaption, "Cmd_atd");
    caption("Form1.Cmd_ath.Caption", Target::ButtonCaption, "Cmd_ath");
    caption("Form1.Check_csd_mode.Caption", Target::CheckCaption, "Check_csd_mode");
    caption("Command_send_sms.Caption", Target::ButtonCaption, "Command_send_sms");
    listEntries("Combo_sms", 3, 0);
    listEntries("Combo_del_alarm", 2, 0);
    listEntries("Combo_del_oxrana", 2, 0);
    listEntries("Combo_mic", 3, 1);
    gridCells("MSFlexGrid_gprs_label", 0, 4, 0);
    listEntries("Combo_out1", 15, 1);
    listEntries("Combo_out2", 15, 0);
    listEntries("Combo_out3", 15, 5);
    gridCells("MSFlexGrid_pins", 2, 11, 1);
    for (const char* grid : {"MSFlexGrid_input_oxr", "MSFlexGrid_sms_oxr", "MSFlexGrid_dtmf_oxr"})
        gridCells(grid, 0, 2, 0);
    return all;
}

const CaptionEntry* findEntry(std::string_view key)
{
    static const std::unordered_map<std::string_view, const CaptionEntry*> byKey = [] {
        std::unordered_map<std::string_view, const CaptionEntry*> m;
        for (const CaptionEntry& e : captionEntries())
            m.emplace(e.key, &e);
        return m;
    }();
    auto it = byKey.find(key);
    return it == byKey.end() ? nullptr : it->second;
}

int outputOf(const std::string& list)
{
    for (int n = 1; n <= 3; ++n)
        if (list == "Combo_out" + std::to_string(n))
            return n;
    return 0;
}

void apply(editor::MainWindow& w, const CaptionEntry& e, const std::string& text)
{
    switch (e.target) {
    case Target::WindowTitle: w.form1.setCaption(text); return;
    case Target::ButtonCaption: w.button(e.control).setCaption(text); return;
    case Target::CheckCaption: w.check(e.control).setCaption(text); return;
    case Target::GridCell: w.grid(e.control).setCell(e.index, e.col, text); return;
    case Target::ListEntry:
        if (int n = outputOf(e.control)) {
            save_temp_out(w, n, text, e.index);
        } else {
            ui::List& list = w.list(e.control);
            list.setItem(e.index, text);
            list.setListIndex(e.defaultSelection);
        }
        return;
    }
}

std::string currentText(editor::MainWindow& w, const CaptionEntry& e)
{
    switch (e.target) {
    case Target::WindowTitle: return w.form1.caption();
    case Target::ButtonCaption: return w.button(e.control).caption();
    case Target::CheckCaption: return w.check(e.control).caption();
    case Target::GridCell: return w.grid(e.control).cell(e.index, e.col);
    case Target::ListEntry: return w.list(e.control).item(e.index);
    }
    return {};
}

std::vector<std::string> headerLines()
{
    const std::string stars = "//" + std::string(100, '*');
    return {stars,
            "//",
            "//    Можно изменять подписи элементов конфигуратора на свое усмотрение (пользовательский текст "
            "после табуляции)",
            "//",
            "//    You can change configurator element's label by yourself (text after TAB)",
            "//",
            stars,
            ""};
}

}  // namespace

const std::vector<CaptionEntry>& captionEntries()
{
    static const std::vector<CaptionEntry> all = build();
    return all;
}

std::string captionFileText(editor::MainWindow& w)
{
    std::string bytes;
    for (const std::string& line : headerLines())
        bytes += ui::cp1251::fromUtf8(line) + "\r\n";
    const CaptionEntry* previous = nullptr;
    auto settleList = [&](const CaptionEntry* e) {
        if (e && e->target == Target::ListEntry)
            w.list(e->control).setListIndex(e->defaultSelection);
    };
    for (const CaptionEntry& e : captionEntries()) {
        if (previous && previous->control != e.control)
            settleList(previous);
        bytes += ui::cp1251::fromUtf8(e.key) + '\t' + ui::cp1251::fromUtf8(currentText(w, e)) + "\r\n";
        previous = &e;
    }
    settleList(previous);
    return bytes;
}

void applyCaptionFile(editor::MainWindow& w, std::string_view bytes)
{
    for (std::string_view raw : splitLines(bytes)) {
        std::string line = ui::cp1251::toUtf8(raw);
        auto tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        if (const CaptionEntry* e = findEntry(std::string_view(line).substr(0, tab)))
            apply(w, *e, line.substr(tab + 1));
    }
}

void load_c_file(editor::MainWindow& w)
{
    applyCaptionFile(w, readWholeFile(kCaptionFileName));
    w.services.loop.processEvents();
}

void save_c_file(editor::MainWindow& w) { replaceFile(kCaptionFileName, captionFileText(w)); }

void save_temp_out(editor::MainWindow& w, int output, const std::string& text, int index)
{
    static const int kDefaultMode[] = {1, 0, 5};
    ui::List& list = w.list("Combo_out" + std::to_string(output));
    std::vector<std::string> entries = list.items();
    list.clear();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        list.addItem(i == index ? text : entries[i]);
    list.setListIndex(kDefaultMode[output - 1]);
}

}  // namespace files
