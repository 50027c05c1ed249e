#pragma once
#include <vector>

#include "ui/window.h"

// The configurator's main window as data: every control with its kind,
// name, tab, place and size in 1/1440 inch, caption and start state.
namespace editor::layout {

constexpr int TabModes = 0;       // "РЕЖИМ, ТЕЛЕФОНЫ"
constexpr int TabInputs = 1;      // "ВХОДЫ И ВЫХОДЫ"
constexpr int TabOwnerCall = 2;   // "ЗВОНОК ХОЗЯИНА"
constexpr int TabArming = 3;      // "ВКЛ/ВЫКЛ ОХРАНЫ"
constexpr int TabDiagram = 4;     // "БЛОК-СХЕМА"
constexpr int TabGprs = 5;        // "GPRS-НАСТРОЙКИ"
constexpr int TabCsd = 6;         // "CSD-соединение"

ui::WindowSpec form1Spec();

// The parts of the table, one per area of the window.
void addTopStrip(std::vector<ui::ControlSpec>& out);
void addTimers(std::vector<ui::ControlSpec>& out);
void addModesTab(std::vector<ui::ControlSpec>& out);
void addInputsTab(std::vector<ui::ControlSpec>& out);
void addOwnerCallTab(std::vector<ui::ControlSpec>& out);
void addArmingTab(std::vector<ui::ControlSpec>& out);
void addDiagramTab(std::vector<ui::ControlSpec>& out);
void addGprsTab(std::vector<ui::ControlSpec>& out);
void addCsdTab(std::vector<ui::ControlSpec>& out);

}  // namespace editor::layout
