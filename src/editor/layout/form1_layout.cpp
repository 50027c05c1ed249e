#include "editor/layout/form1_layout.h"

namespace editor::layout {

ui::WindowSpec form1Spec()
{
    ui::WindowSpec w;
    w.name = "Form1";
    w.caption = "Конфигуратор  ver.4.5_Q. от 06.12.2010";
    w.width = 12240;
    w.height = 8490;
    w.tabControl = "SSTab1";
    addTopStrip(w.controls);
    addModesTab(w.controls);
    addInputsTab(w.controls);
    addOwnerCallTab(w.controls);
    addArmingTab(w.controls);
    addDiagramTab(w.controls);
    addGprsTab(w.controls);
    addCsdTab(w.controls);
    addTimers(w.controls);
    return w;
}

}  // namespace editor::layout
