#pragma once

// The columns of the input properties grid `MSFlexGrid_inputs_properties`;
// rows 1 to 8 are inputs 1 to 8, row 0 is the header.
namespace editor::input_col {

constexpr int InUse = 0;            // "   Вкл"
constexpr int ShortCall = 1;        // " Зв кор"
constexpr int LongCall = 2;         // " Зв длин"
constexpr int Sms = 3;              // "SMS"
constexpr int WatchedDisarmed = 4;  // " без   охр"
constexpr int WatchedArmed = 5;     // "  в охр"
constexpr int Delay = 6;            // "Задер   жка"
constexpr int OnChange = 7;         // " По изм"
constexpr int ThreeBeeps = 8;       // " три   бип"
constexpr int LongSiren = 9;        // "длин  бип"
constexpr int ArmingInput = 10;     // "вход  охр"
constexpr int WatchedAtArming = 11; // " мон  охр"
constexpr int OneAlarm = 12;        // "   1 трев"
constexpr int Silent = 13;          // "Тихо"
constexpr int Count = 14;

}  // namespace editor::input_col

namespace editor {

// Inputs 5 to 7 exist in the device but the editor keeps them unused.
constexpr bool isUnusedInput(int input) { return input >= 5 && input <= 7; }

}  // namespace editor
