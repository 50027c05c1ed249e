#include "editor/output_mode_texts.h"

namespace editor {
namespace {

struct ModeText {
    std::string_view entry;
    // Tooltip of the list for every output that has no variant of its own;
    // empty where the tooltip is built from the set point.
    std::string_view tooltip;
};

// Mode by mode. The first "T" of the internal thermostat's output-1 text and
// of the external thermostat's text is the Latin letter; every other "Т"
// of these texts is Cyrillic; the texts are kept letter for letter.
constexpr ModeText Modes[OutputModeCount] = {
    {R"(Сирена, выдает "минус")",
     R"(Выход работает в режиме "СИРЕНА")"},
    {R"(пользовательский-SMS,DTMF,выдает "минус")",
     R"(Выход пользовательский, выдает/снимает активный сигнал - управляется SMS, DTMF-командой)"},
    {R"(пользовательский-Звонком,SMS,DTMF,выдает "минус")",
     R"(Выход пользовательский, выдает/снимает активный сигнал - управляется SMS, DTMF-командой, звонком Хозяина)"},
    {R"(импульс-SMS,DTMF,выдает "минус")",
     R"(Выход пользовательский, выдает импульс - управляется SMS, DTMF-командой)"},
    {R"(импульс-Звонком,SMS,DTMF,выдает "минус")",
     R"(Выход пользовательский, выдает импульс - управляется SMS, DTMF-командой, звонком Хозяина)"},
    {R"(внешний светодиод, выдает "минус")",
     R"(Выход работает в режиме "СВЕТОДИОД" - копирует внутренний светодиод)"},
    {R"(при охране выдает "минус")",
     R"(Выход выдает свой активный уровень в ОХРАНЕ, снимает - В НЕ ОХРАНЕ)"},
    {R"(выдает сигнал "минус" при нарушении входа ---->)",
     R"(Выход постоянно выдает свой активный уровень при нарушении любого из отмеченных входов)"},
    {R"(выдает импульс (минус) при ПОСТ/СНЯТ охраны)",
     R"(Выход выдает импульс при ПОСТАНОВКЕ/СНЯТИИ ОХРАНЫ)"},
    {R"(выдает импульс (минус) при нарушении входа ---->)",
     R"(Выход выдает импульс при нарушении любого из отмеченных входов)"},
    {R"(выдает импульс (минус) при СНЯТИИ охраны)",
     R"(Выход выдает импульс при СНЯТИИ ОХРАНЫ)"},
    {R"(выдает импульс (минус) при ПОСТ. на охрану)",
     R"(Выход выдает импульс при ПОСТАНОВКЕ НА ОХРАНУ)"},
    {R"(термостат по внутренней Т)",
     R"(Выход включает свой активный уровень при внутренней температуре Т меньше Тmin и выключает его при Т больше Тmax)"},
    {R"(выдает сигнал "минус" при отсутствии GSM-сети)",
     R"(Выход включает свой активный уровень при отсутсвии регистрации в GSM-сети)"},
    {R"(термостат по внешней Т)", {}},
    {R"(выдает сигнал "минус" при голосовом соединении)",
     R"(Выход включает свой активный уровень при голосовом соединении для указанных Хозяев)"},
};

// Outputs whose tooltip differs from the mode's common one.
struct TooltipVariant {
    int mode;
    int output;
    std::string_view tooltip;
};

constexpr TooltipVariant Variants[] = {
    {2, 3, R"(Выход пользовательский, выдает/снимает активный - управляется SMS, DTMF-командой, звонком Хозяина)"},
    {12, 1, R"(Выход включает свой активный уровень при внутренней температуре T меньше Тmin и выключает его при Т больше Тmax)"},
};

constexpr int ExternalThermostat = 14;
constexpr std::string_view ExternalThermostatBelow = R"(Выход включает свой активный уровень при внешней температуре T меньше )";
constexpr std::string_view ExternalThermostatAbove = R"( и выключает его при Т больше )";

}  // namespace

std::string_view output_mode_entry(int mode)
{
    if (mode < 0 || mode >= OutputModeCount)
        return {};
    return Modes[mode].entry;
}

std::string output_mode_tooltip(int mode, int output, const std::string& setPoint)
{
    if (mode < 0 || mode >= OutputModeCount)
        return {};
    if (mode == ExternalThermostat)
        return std::string(ExternalThermostatBelow) + setPoint + std::string(ExternalThermostatAbove) + setPoint;
    for (const TooltipVariant& v : Variants)
        if (v.mode == mode && v.output == output)
            return std::string(v.tooltip);
    return std::string(Modes[mode].tooltip);
}

}  // namespace editor
