// The "БЛОК-СХЕМА" tab: the picture and tooltip beside each terminal of
// the board, and the placement of the pin table and slots per board type.
#include <array>
#include <string>

#include "editor/input_properties.h"
#include "editor/procedures.h"

namespace editor {
namespace {

// Hidden picture boxes whose drawings the slots copy.
constexpr const char* NothingConnected = "Picture_empty";
constexpr const char* ContactOpens = "Picture1_obr_gnd";
constexpr const char* ContactCloses = "Picture1_poyav_gnd";
constexpr const char* LedToPlus = "Picture_diod_plus";
constexpr const char* RelayToPlus = "Picture_rele_plus";

constexpr int LedMode = 5;

void show(MainWindow& w, const std::string& slot, const char* source, const std::string& tip)
{
    ui::Picture& p = w.picture(slot);
    p.copyFrom(w.picture(source));
    p.setToolTip(tip);
}

// Leading decimal number of a field, as the threshold fields hold it; 0 when there is none.
int leadingNumber(const std::string& text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > 100000)
            break;
    }
    return value;
}

// Tenths of a volt as text with one decimal: 130 gives "13.0".
std::string tenths(int value, const std::string& separator)
{
    return std::to_string(value / 10) + separator + std::to_string(value % 10);
}

}  // namespace

void sxema(MainWindow& w)
{
    ui::Grid& props = w.grid("MSFlexGrid_inputs_properties");

    for (int input = 1; input <= 4; ++input)
        show(w, "Picture_z" + std::to_string(input), NothingConnected, "Мониторинг входа выключен");
    w.picture("Picture_12v").setToolTip("Внешнее питание +12В, мониторинг этого входа выключен");
    w.picture("Picture_gnd1").setToolTip("Корпус, к минусу внешенего источника питания");
    w.picture("Picture_gnd2").setToolTip("Корпус, используется для шлейфов");
    for (int output = 1; output <= 3; ++output)
        w.picture("Picture_out" + std::to_string(output)).copyFrom(w.picture(NothingConnected));

    for (int input = 1; input <= 4; ++input) {
        if (!props.marked(input, input_col::InUse))
            continue;
        const std::string slot = "Picture_z" + std::to_string(input);
        if (w.list("Check_zero" + std::to_string(input)).listIndex() != 0)
            show(w, slot, ContactCloses, R"(Вход нарушен при замыкании контактов - "появление" нуля)");
        else
            show(w, slot, ContactOpens, R"(Вход нарушен при размыкании контактов - "обрыв" нуля)");
    }

    constexpr int SupplyInput = 8;
    if (props.marked(SupplyInput, input_col::InUse)) {
        const bool below = w.list("Check_zero8").listIndex() == 1;
        const std::string threshold =
            tenths(leadingNumber(w.text("Text_lev_12v").text()), w.services.regional.decimalSeparator());
        w.picture("Picture_12v")
            .setToolTip(std::string(below ? R"(Внешнее питание +12В, вход нарушен при  "понижении" питания ниже +)"
                                          : R"(Внешнее питание +12В, вход нарушен при "повышении" питания выше +)") +
                        threshold + "V");
    }

    for (int output = 1; output <= 3; ++output) {
        const std::string slot = "Picture_out" + std::to_string(output);
        if (w.list("Combo_out" + std::to_string(output)).listIndex() == LedMode)
            show(w, slot, LedToPlus,
                 R"(Активный уровень выхода "минус", резистор для светодиода от 500 Ом и выше, +V  - выше +3В)");
        else
            show(w, slot, RelayToPlus, R"(Активный уровень выхода "минус", +V  - зависит от реле, ток до 0.3А)");
    }
}

namespace {

constexpr int PinRows = 12;
constexpr int FirstPinRow = 2;  // rows 0 and 1 are one unit high and not seen

// Terminals from pin 1 up, with the slot beside each.
struct Terminal {
    const char* name;
    const char* slot;
};
constexpr std::array<Terminal, 10> Terminals = {{
    {" питание +12В (вход8)", "Picture_12v"},
    {"  корпус", "Picture_gnd1"},
    {"  вход1", "Picture_z1"},
    {"  вход2", "Picture_z2"},
    {"  вход3", "Picture_z3"},
    {"  вход4", "Picture_z4"},
    {"  корпус", "Picture_gnd2"},
    {"  выход1", "Picture_out1"},
    {"  выход2", "Picture_out2"},
    {"  выход3", "Picture_out3"},
}};

constexpr int FirstSlotTop = 1320;  // top of the slot beside the first visible pin row
constexpr int SlotStep = 480;       // the pin rows' height

}  // namespace

void board_layout(MainWindow& w, int boardType)
{
    if (boardType != 0 && boardType != 1)
        return;
    // Board q counts its pins from the bottom of the table, board qn from the top.
    const bool fromTop = boardType == 1;

    w.picture("Picture_vyr_q").setVisible(!fromTop);
    w.picture("Picture_vyr_qn").setVisible(fromTop);
    w.picture("Picture_vyr_qn_termo").setVisible(fromTop);
    ui::Picture& sensor = w.picture("Picture_dallas");
    ui::Rect sensorPlace = sensor.place();
    sensorPlace.left = fromTop ? 120 : 960;
    sensor.setPlace(sensorPlace);

    ui::Grid& pins = w.grid("MSFlexGrid_pins");
    pins.setColWidth(0, 300);
    pins.setColWidth(1, 1380);
    for (int row = 0; row < PinRows; ++row) {
        pins.setRowHeight(row, row < FirstPinRow ? 1 : SlotStep);
        pins.setCell(row, 0, std::to_string(fromTop ? row - 1 : PinRows - row));
    }
    for (int pin = 1; pin <= static_cast<int>(Terminals.size()); ++pin) {
        const int row = fromTop ? pin + 1 : PinRows - pin;
        pins.setCell(row, 1, Terminals[pin - 1].name);
        ui::Picture& slot = w.picture(Terminals[pin - 1].slot);
        ui::Rect place = slot.place();
        place.top = FirstSlotTop + (row - FirstPinRow) * SlotStep;
        slot.setPlace(place);
    }
    w.services.loop.processEvents();
}

}  // namespace editor
