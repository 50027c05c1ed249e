// Geometry, headings and start texts of the window's grids.
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/procedures.h"

namespace editor {
namespace {

void allColWidths(ui::Grid& g, int width)
{
    for (int c = 0; c < g.cols(); ++c)
        g.setColWidth(c, width);
}

void rowHeights(ui::Grid& g, int firstRow, int height)
{
    for (int r = firstRow; r < g.rows(); ++r)
        g.setRowHeight(r, height);
}

// Writes texts into consecutive cells of one row, from column `firstCol`.
void rowTexts(ui::Grid& g, int row, int firstCol, const std::vector<std::string>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        g.setCell(row, firstCol + static_cast<int>(i), texts[i]);
}

void colTexts(ui::Grid& g, int col, int firstRow, const std::vector<std::string>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        g.setCell(firstRow + static_cast<int>(i), col, texts[i]);
}

void emptyCells(ui::Grid& g, int firstRow)
{
    for (int r = firstRow; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            g.setCell(r, c, "");
}

// Numbers of columns [firstCol, lastCol] in `row`, counting from `first`.
void numberColumns(ui::Grid& g, int row, int firstCol, int lastCol, int first)
{
    for (int c = firstCol; c <= lastCol; ++c)
        g.setCell(row, c, std::to_string(first + c - firstCol));
}

// Header row of the input grids: the input number over each input's column;
// inputs 5 to 7 are not offered and stay blank.
void inputHeadings(ui::Grid& g)
{
    for (int c = 0; c < 8; ++c)
        g.setCell(0, c, c >= 4 && c <= 6 ? std::string() : std::to_string(c + 1));
}

void ownerLabels(MainWindow& w, ui::Grid& g)
{
    g.setColWidth(0, 290);
    g.setColWidth(1, 1700);
    g.setRowHeight(0, 540);
    colTexts(g, 0, 0, {"№", "1", "2", "3", "4", "5", "6", "7", "8"});
    g.setCell(0, 1, "Звонок от Хозяина");
    for (int owner = 1; owner <= 8; ++owner) {
        const std::string phone = ui::indexed("phone", owner);
        if (w.form1.has(phone))
            g.setCell(owner, 1, w.text(phone).text());
    }
}

void ownerColumns(ui::Grid& g, int width)
{
    for (int c = 1; c <= 8; ++c)
        g.setColWidth(c, width);
    numberColumns(g, 0, 1, 8, 1);
}

void oneColumnOfOwners(ui::Grid& g)
{
    g.setColWidth(0, 260);
    rowHeights(g, 0, 360);
    emptyCells(g, 0);
}

void armingNotices(ui::Grid& g)
{
    g.setColWidth(0, 850);
    colTexts(g, 0, 0, {"Хозяин-->", " Звонок", "   SMS"});
    ownerColumns(g, 260);
}

void callbackOwners(ui::Grid& g)
{
    allColWidths(g, 210);
    numberColumns(g, 0, 0, 7, 1);
}

using Layout = std::function<void(MainWindow&, ui::Grid&)>;

const std::map<std::string, Layout>& layouts()
{
    static const std::map<std::string, Layout> table = {
        {"MSFlexGrid_inputs_properties",
         [](MainWindow&, ui::Grid& g) {
             allColWidths(g, 360);
             rowHeights(g, 0, 360);
             g.setRowHeight(0, 1);  // the column headings are labels above the grid
         }},
        {"MSFlexGrid_zone_number",
         [](MainWindow&, ui::Grid& g) {
             g.setColWidth(0, 180);
             rowHeights(g, 0, 355);
             for (int r = 0; r < g.rows(); ++r)
                 g.setCell(r, 0, r >= 4 && r <= 6 ? std::string() : std::to_string(r + 1));
         }},
        {"MSFlexGrid_inputs_to_out",
         [](MainWindow&, ui::Grid& g) {
             allColWidths(g, 360);
             rowHeights(g, 0, 360);
             inputHeadings(g);
         }},
        {"MSFlexGrid_out_number",
         [](MainWindow&, ui::Grid& g) {
             g.setColWidth(0, 180);
             rowHeights(g, 0, 355);
             colTexts(g, 0, 0, {"1", "2", "3"});
         }},
        {"MSFlexGrid_sms_command", [](MainWindow&, ui::Grid& g) { oneColumnOfOwners(g); }},
        {"MSFlexGrid_active_unch", [](MainWindow&, ui::Grid& g) { oneColumnOfOwners(g); }},
        {"MSFlexGrid_z_o",
         [](MainWindow&, ui::Grid& g) {
             allColWidths(g, 260);
             rowHeights(g, 1, 360);
             emptyCells(g, 1);
             inputHeadings(g);
         }},
        {"MSFlexGrid_temperature",
         [](MainWindow&, ui::Grid& g) {
             g.setColWidth(0, 1150);
             colTexts(g, 0, 0, {"Хозяин-->", "SMS T внутр.", "SMS T внешн."});
             ownerColumns(g, 260);
             g.setColWidth(9, 700);
             g.setCell(0, 9, "e-mail");
         }},
        {"MSFlexGrid_owner_call",
         [](MainWindow&, ui::Grid& g) {
             allColWidths(g, 1200);
             g.setRowHeight(0, 760);
             rowTexts(g, 0, 0, {"Автопо- днятие", "Конфе- ренция", "вкл/выкл охрану", "вкл/выкл пользов. выхода"});
         }},
        {"MSFlexGrid_owners", ownerLabels},
        {"MSFlexGrid_owners_", ownerLabels},
        {"MSFlexGrid_call_to_owner", [](MainWindow&, ui::Grid& g) { callbackOwners(g); }},
        {"MSFlexGrid_sms_to_owner", [](MainWindow&, ui::Grid& g) { callbackOwners(g); }},
        {"MSFlexGrid_input_oxr", [](MainWindow&, ui::Grid& g) { armingNotices(g); }},
        {"MSFlexGrid_dtmf_oxr", [](MainWindow&, ui::Grid& g) { armingNotices(g); }},
        {"MSFlexGrid_sms_oxr", [](MainWindow&, ui::Grid& g) { armingNotices(g); }},
        {"MSFlexGrid_custom_out", [](MainWindow&, ui::Grid& g) { g.setCell(0, 0, "Выход"); }},
        {"MSFlexGrid_gprs_label",
         [](MainWindow&, ui::Grid& g) {
             g.setColWidth(0, 2250);
             rowHeights(g, 0, 330);
             colTexts(g, 0, 0,
                      {"Точка доступа APN  SIM:", "IP сервера:", "Порт сервера: ", "Серийный номер :",
                       "Пароль на web-сервер:"});
         }},
        {"MSFlexGrid_csd_input",
         [](MainWindow&, ui::Grid& g) {
             const std::vector<std::pair<std::string, int>> columns = {
                 {"Имя", 1200}, {"Описание", 3500}, {"Состояние", 1400}, {"Управление", 1200}};
             for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                 g.setCell(0, c, columns[c].first);
                 g.setColWidth(c, columns[c].second);
             }
             g.setCell(12, 0, "Т внешняя,С");
             g.setCell(13, 0, "Охрана");
         }},
        {"MSFlexGrid_pins", [](MainWindow& w, ui::Grid&) { board_layout(w, 0); }},
    };
    return table;
}

}  // namespace

void layout_grid(MainWindow& w, const std::string& gridName)
{
    auto it = layouts().find(gridName);
    if (it == layouts().end())
        throw std::out_of_range("no layout for grid " + gridName);
    it->second(w, w.grid(gridName));
}

}  // namespace editor
