// The wiring diagram: slot pictures and tooltips, and the board layouts.
#include "grids_fixture.h"

namespace grids_test {
namespace {

class WiringDiagram : public ::testing::Test {
protected:
    std::string drawingOf(const std::string& source) { return g.w.picture(source).picture(); }
    std::string shown(const std::string& slot) { return g.w.picture(slot).picture(); }
    std::string tip(const std::string& slot) { return g.w.picture(slot).toolTip(); }

    GridsWindow g;
};

TEST_F(WiringDiagram, InputSlotsShowTheContactOfInputsInUse)
{
    g.mark("MSFlexGrid_inputs_properties", row(1, {0}) + row(3, {0}) + row(4, {0}));
    g.w.list("Check_zero1").setListIndex(0);
    g.w.list("Check_zero2").setListIndex(1);  // not in use: its type does not matter
    g.w.list("Check_zero3").setListIndex(1);
    g.w.list("Check_zero4").setListIndex(-1);  // no type chosen counts as "closes"

    const std::string opens = R"(Вход нарушен при размыкании контактов - "обрыв" нуля)";
    const std::string closes = R"(Вход нарушен при замыкании контактов - "появление" нуля)";
    EXPECT_EQ(shown("Picture_z1"), drawingOf("Picture1_obr_gnd"));
    EXPECT_EQ(tip("Picture_z1"), opens);
    EXPECT_EQ(shown("Picture_z2"), drawingOf("Picture_empty"));
    EXPECT_EQ(tip("Picture_z2"), "Мониторинг входа выключен");
    EXPECT_EQ(shown("Picture_z3"), drawingOf("Picture1_poyav_gnd"));
    EXPECT_EQ(tip("Picture_z3"), closes);
    EXPECT_EQ(shown("Picture_z4"), drawingOf("Picture1_poyav_gnd"));

    g.w.list("Check_zero3").setListIndex(0);  // a type change redraws
    EXPECT_EQ(shown("Picture_z3"), drawingOf("Picture1_obr_gnd"));
    EXPECT_EQ(tip("Picture_z3"), opens);
}

TEST_F(WiringDiagram, OutputSlotsShowLedInMode5AndRelayOtherwise)
{
    g.setMode(1, 5);
    g.setMode(2, 5);
    g.setMode(3, 6);
    const std::string led =
        R"(Активный уровень выхода "минус", резистор для светодиода от 500 Ом и выше, +V  - выше +3В)";
    const std::string relay = R"(Активный уровень выхода "минус", +V  - зависит от реле, ток до 0.3А)";
    EXPECT_EQ(shown("Picture_out1"), drawingOf("Picture_diod_plus"));
    EXPECT_EQ(tip("Picture_out1"), led);
    EXPECT_EQ(shown("Picture_out2"), drawingOf("Picture_diod_plus"));
    EXPECT_EQ(shown("Picture_out3"), drawingOf("Picture_rele_plus"));
    EXPECT_EQ(tip("Picture_out3"), relay);
}

TEST_F(WiringDiagram, GroundSlotsKeepTheirPicturesAndGetTheirTooltips)
{
    const std::string supply = shown("Picture_12v"), ground1 = shown("Picture_gnd1");
    editor::sxema(g.w);
    EXPECT_EQ(shown("Picture_12v"), supply);
    EXPECT_EQ(shown("Picture_gnd1"), ground1);
    EXPECT_EQ(tip("Picture_gnd1"), "Корпус, к минусу внешенего источника питания");
    EXPECT_EQ(tip("Picture_gnd2"), "Корпус, используется для шлейфов");
}

TEST(WiringDiagramSupply, TooltipCarriesTheThresholdWithTheRegionalSeparator)
{
    struct Case {
        const char* separator;
        bool inUse;
        int type;
        const char* threshold;
        std::string tip;
    };
    const Case cases[] = {
        {".", true, 0, "130", R"(Внешнее питание +12В, вход нарушен при "повышении" питания выше +13.0V)"},
        {",", true, 1, "106", R"(Внешнее питание +12В, вход нарушен при  "понижении" питания ниже +10,6V)"},
        {",", true, 0, "5", R"(Внешнее питание +12В, вход нарушен при "повышении" питания выше +0,5V)"},
        {".", false, 1, "130", "Внешнее питание +12В, мониторинг этого входа выключен"},
    };
    for (const Case& c : cases) {
        GridsWindow g(c.separator);
        g.w.text("Text_lev_12v").setText(c.threshold);
        if (c.inUse)
            g.mark("MSFlexGrid_inputs_properties", row(8, {0}));
        g.w.list("Check_zero8").setListIndex(c.type);  // redraws
        EXPECT_EQ(g.w.picture("Picture_12v").toolTip(), c.tip);
    }
}

// Everything the board type moves or fills.
struct BoardView {
    std::vector<std::string> pinCells;
    std::vector<int> colWidths, rowHeights;
    std::vector<ui::Rect> places;
    std::vector<bool> visible;
    bool operator==(const BoardView&) const = default;
};

const char* const MovedPictures[] = {"Picture_12v", "Picture_gnd1", "Picture_z1",   "Picture_z2",
                                     "Picture_z3",  "Picture_z4",   "Picture_gnd2", "Picture_out1",
                                     "Picture_out2", "Picture_out3", "Picture_dallas"};

BoardView viewOf(GridsWindow& g)
{
    BoardView v;
    ui::Grid& pins = g.grid("MSFlexGrid_pins");
    for (int r = 0; r < pins.rows(); ++r) {
        v.rowHeights.push_back(pins.rowHeight(r));
        for (int c = 0; c < pins.cols(); ++c)
            v.pinCells.push_back(pins.cell(r, c));
    }
    for (int c = 0; c < pins.cols(); ++c)
        v.colWidths.push_back(pins.colWidth(c));
    for (const char* name : MovedPictures)
        v.places.push_back(g.w.picture(name).place());
    for (const char* name : {"Picture_vyr_q", "Picture_vyr_qn", "Picture_vyr_qn_termo"})
        v.visible.push_back(g.w.picture(name).visible());
    return v;
}

TEST(BoardLayout, BoardQMatchesTheWindowDesignAndCountsPinsFromTheBottom)
{
    GridsWindow g;
    ui::Grid& pins = g.grid("MSFlexGrid_pins");
    EXPECT_EQ(pins.cell(2, 0), "10");
    EXPECT_EQ(pins.cell(11, 0), "1");
    EXPECT_EQ(pins.cell(11, 1), " питание +12В (вход8)");
    EXPECT_EQ(pins.cell(2, 1), "  выход3");
    EXPECT_EQ(pins.rowHeight(1), 1);
    EXPECT_EQ(pins.rowHeight(2), 480);
    for (const char* name : MovedPictures)
        EXPECT_EQ(g.w.picture(name).place(), g.w.picture(name).spec().place) << name;
    EXPECT_TRUE(g.w.picture("Picture_vyr_q").visible());
    EXPECT_FALSE(g.w.picture("Picture_vyr_qn").visible());
}

TEST(BoardLayout, BoardQnCountsFromTheTopAndBackToQRestoresTheDesign)
{
    GridsWindow g;
    const BoardView design = viewOf(g);
    bool eventsRan = false;
    g.loop.callLater(0, [&] { eventsRan = true; });

    g.w.list("Combo_vyr_type").userSelect(1);

    EXPECT_TRUE(eventsRan);
    ui::Grid& pins = g.grid("MSFlexGrid_pins");
    EXPECT_EQ(pins.cell(2, 0), "1");
    EXPECT_EQ(pins.cell(11, 0), "10");
    EXPECT_EQ(pins.cell(2, 1), " питание +12В (вход8)");
    EXPECT_EQ(pins.cell(11, 1), "  выход3");
    EXPECT_EQ(g.w.picture("Picture_12v").place().top, 1320);
    EXPECT_EQ(g.w.picture("Picture_z1").place().top, 2280);
    EXPECT_EQ(g.w.picture("Picture_out3").place().top, 5640);
    EXPECT_EQ(g.w.picture("Picture_dallas").place().left, 120);
    EXPECT_FALSE(g.w.picture("Picture_vyr_q").visible());
    EXPECT_TRUE(g.w.picture("Picture_vyr_qn").visible());
    EXPECT_TRUE(g.w.picture("Picture_vyr_qn_termo").visible());

    g.w.list("Combo_vyr_type").userSelect(0);
    EXPECT_EQ(viewOf(g), design);
}

}  // namespace
}  // namespace grids_test
