#include "editor/layout/form1_layout.h"
#include "editor/layout/spec_helpers.h"

namespace editor::layout {

void addOwnerCallTab(std::vector<ui::ControlSpec>& out)
{
    const int t = TabOwnerCall;
    out.push_back(bold(label("Label5", t, {2160, 1080, 4860, 255}, "Действия при входящем звонке Хозяина")));
    out.push_back(grid("MSFlexGrid_owners", t, {120, 1680, 2040, 2505}, 9, 2, 1, 1));
    out.push_back(grid("MSFlexGrid_owner_call", t, {2160, 1440, 4860, 2715}, 9, 4, 1, 0));

    // Arrows from the columns of the call actions down to what they use.
    out.push_back(label("Label_call_arrows", t, {2160, 4680, 4860, 255},
                        "____ \\||/____________ \\||/________________________ \\||/_____"));
    ui::ControlSpec mic = label("Label_mic", t, {120, 4950, 1980, 255}, "Усиление микрофона - >");
    mic.alignment = 1;
    out.push_back(mic);
    out.push_back(list("Combo_mic", t, {2160, 4920, 1335, 315}));
    out.push_back(text("Text_charge1", t, {3720, 5040, 615, 315}, "433"));
    out.push_back(label("Label20", t, {120, 5520, 5640, 255},
                        "номер Пополнение/Баланс  при Конференции (ТЛ 433, МТС 7722)"));
    out.push_back(grid("MSFlexGrid_custom_out", t, {5880, 4920, 1260, 1005}, 4, 1, 1, 0));
}

}  // namespace editor::layout
