#pragma once
#include <vector>

namespace support {

// The size of one grid of the main window: as designed and as its layout fills it.
struct GridShape {
    const char* grid;
    int rows, cols, fixedRows, fixedCols;
};

// Every grid of the main window; its layout keeps the designed shape.
inline const std::vector<GridShape>& designedGridShapes()
{
    static const std::vector<GridShape> shapes = {
        {"MSFlexGrid_inputs_properties", 9, 14, 1, 0}, {"MSFlexGrid_zone_number", 8, 1, 0, 1},
        {"MSFlexGrid_inputs_to_out", 4, 8, 1, 0},      {"MSFlexGrid_out_number", 3, 1, 0, 1},
        {"MSFlexGrid_sms_command", 8, 1, 0, 0},        {"MSFlexGrid_active_unch", 8, 1, 0, 0},
        {"MSFlexGrid_z_o", 9, 8, 1, 0},                {"MSFlexGrid_temperature", 3, 10, 1, 1},
        {"MSFlexGrid_owner_call", 9, 4, 1, 0},         {"MSFlexGrid_owners", 9, 2, 1, 1},
        {"MSFlexGrid_owners_", 9, 2, 1, 1},            {"MSFlexGrid_call_to_owner", 9, 8, 1, 0},
        {"MSFlexGrid_sms_to_owner", 9, 8, 1, 0},       {"MSFlexGrid_input_oxr", 3, 9, 1, 1},
        {"MSFlexGrid_dtmf_oxr", 3, 9, 1, 1},           {"MSFlexGrid_sms_oxr", 3, 9, 1, 1},
        {"MSFlexGrid_custom_out", 4, 1, 1, 0},         {"MSFlexGrid_gprs_label", 5, 1, 0, 0},
        {"MSFlexGrid_csd_input", 14, 4, 1, 0},         {"MSFlexGrid_pins", 12, 2, 0, 0},
    };
    return shapes;
}

}  // namespace support
