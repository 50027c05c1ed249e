// Mark masks address the settings cells of the laid-out grids.
#include "editor/catalogue.h"
#include "grids_fixture.h"

namespace grids_test {
namespace {

TEST(MarkMasks, EveryBitIsASettingsCellOfItsGrid)
{
    GridsWindow g;
    int masks = 0;
    for (const editor::Setting& s : editor::catalogue()) {
        if (s.kind != editor::ValueKind::MarkMask)
            continue;
        ++masks;
        const ui::Grid& grid = g.grid(s.control);
        for (int bit = 0; bit < 8; ++bit) {
            auto [r, c] = editor::maskCell(s, bit);
            EXPECT_TRUE(r >= grid.fixedRows() && r < grid.rows() && c >= grid.fixedCols() && c < grid.cols())
                << s.key << " bit " << bit << " -> " << r << "," << c;
        }
    }
    EXPECT_GT(masks, 40);
}

TEST(MarkMasks, BitZeroIsTheFirstOwnerInputOrOutputOfEachGridShape)
{
    struct Case {
        const char* key;
        Cell bit0, bit7;
    };
    const Case cases[] = {
        {"Form1.MSFlexGrid_sms_command", {0, 0}, {7, 0}},
        {"Form1.MSFlexGrid_z_o.Row = 3", {3, 0}, {3, 7}},
        {"Form1.MSFlexGrid_inputs_properties.Col = time_out_col", {1, 6}, {8, 6}},
        {"Form1.MSFlexGrid_owner_call.Col = 2", {1, 2}, {8, 2}},
        {"Form1.MSFlexGrid_temperature.Row = 2", {2, 1}, {2, 8}},
        {"Form1.MSFlexGrid_input_oxr.Row = 1", {1, 1}, {1, 8}},
        {"Form1.MSFlexGrid_call_to_owner.Row = 8", {8, 0}, {8, 7}},
        {"Form1.MSFlexGrid_inputs_to_out.Row = 3", {3, 0}, {3, 7}},
    };
    for (const Case& c : cases) {
        const editor::Setting* s = editor::findSetting(c.key);
        ASSERT_NE(s, nullptr) << c.key;
        EXPECT_EQ(editor::maskCell(*s, 0), c.bit0) << c.key;
        EXPECT_EQ(editor::maskCell(*s, 7), c.bit7) << c.key;
    }
}

}  // namespace
}  // namespace grids_test
