// The grids of the window as laid out at start.
#include <stdexcept>

#include "grids_fixture.h"
#include "support/grid_shapes.h"

namespace grids_test {
namespace {

TEST(GridLayouts, WindowGridsHaveTheSizesTheirLayoutsFill)
{
    GridsWindow g;  // lays out every grid
    for (const support::GridShape& s : support::designedGridShapes()) {
        const ui::Grid& grid = g.grid(s.grid);
        EXPECT_EQ((std::vector<int>{grid.rows(), grid.cols(), grid.fixedRows(), grid.fixedCols()}),
                  (std::vector<int>{s.rows, s.cols, s.fixedRows, s.fixedCols}))
            << s.grid;
    }
    EXPECT_THROW(editor::layout_grid(g.w, "MSFlexGrid_unknown"), std::out_of_range);
}

std::vector<std::string> rowOf(const ui::Grid& g, int r)
{
    std::vector<std::string> out;
    for (int c = 0; c < g.cols(); ++c)
        out.push_back(g.cell(r, c));
    return out;
}

std::vector<std::string> colOf(const ui::Grid& g, int c)
{
    std::vector<std::string> out;
    for (int r = 0; r < g.rows(); ++r)
        out.push_back(g.cell(r, c));
    return out;
}

using Texts = std::vector<std::string>;

TEST(GridLayouts, HeadingsLeaveUnusedInputsBlank)
{
    GridsWindow g;
    const Texts inputs = {"1", "2", "3", "4", "", "", "", "8"};
    EXPECT_EQ(rowOf(g.grid("MSFlexGrid_z_o"), 0), inputs);
    EXPECT_EQ(rowOf(g.grid("MSFlexGrid_inputs_to_out"), 0), inputs);
    EXPECT_EQ(colOf(g.grid("MSFlexGrid_zone_number"), 0), inputs);
    EXPECT_EQ(colOf(g.grid("MSFlexGrid_out_number"), 0), (Texts{"1", "2", "3"}));
}

TEST(GridLayouts, RowLabelsAndHeaders)
{
    GridsWindow g;
    EXPECT_EQ(colOf(g.grid("MSFlexGrid_temperature"), 0), (Texts{"Хозяин-->", "SMS T внутр.", "SMS T внешн."}));
    EXPECT_EQ(rowOf(g.grid("MSFlexGrid_temperature"), 0),
              (Texts{"Хозяин-->", "1", "2", "3", "4", "5", "6", "7", "8", "e-mail"}));
    EXPECT_EQ(colOf(g.grid("MSFlexGrid_dtmf_oxr"), 0), (Texts{"Хозяин-->", " Звонок", "   SMS"}));
    EXPECT_EQ(rowOf(g.grid("MSFlexGrid_owner_call"), 0),
              (Texts{"Автопо- днятие", "Конфе- ренция", "вкл/выкл охрану", "вкл/выкл пользов. выхода"}));
    EXPECT_EQ(colOf(g.grid("MSFlexGrid_gprs_label"), 0),
              (Texts{"Точка доступа APN  SIM:", "IP сервера:", "Порт сервера: ", "Серийный номер :",
                     "Пароль на web-сервер:"}));
    EXPECT_EQ(rowOf(g.grid("MSFlexGrid_csd_input"), 0), (Texts{"Имя", "Описание", "Состояние", "Управление"}));
    EXPECT_EQ(g.grid("MSFlexGrid_csd_input").cell(12, 0), "Т внешняя,С");
    EXPECT_EQ(g.grid("MSFlexGrid_csd_input").cell(13, 0), "Охрана");
    EXPECT_EQ(g.grid("MSFlexGrid_inputs_properties").rowHeight(0), 1);
    EXPECT_EQ(g.grid("MSFlexGrid_temperature").colWidth(9), 700);
}

TEST(GridLayouts, OwnerLabelsShowTheOwnerNumbers)
{
    GridsWindow g;
    g.w.text("phone(2)").setText("+380671234567");
    editor::layout_grid(g.w, "MSFlexGrid_owners_");
    const ui::Grid& owners = g.grid("MSFlexGrid_owners_");
    EXPECT_EQ(colOf(owners, 0), (Texts{"№", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(owners.cell(0, 1), "Звонок от Хозяина");
    EXPECT_EQ(owners.cell(2, 1), "+380671234567");
    EXPECT_EQ(owners.cell(1, 1), "");
}

TEST(GridLayouts, SettingsCellsOfOwnerGridsStartEmpty)
{
    GridsWindow g;
    for (const char* name : {"MSFlexGrid_sms_command", "MSFlexGrid_active_unch", "MSFlexGrid_z_o"}) {
        g.grid(name).setCell(1, 0, "v");
        editor::layout_grid(g.w, name);
        EXPECT_EQ(g.marks(name), Cells{}) << name;
    }
}

}  // namespace
}  // namespace grids_test
