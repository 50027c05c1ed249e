#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The byte map of the panel's 1024-byte configuration image: where every
// setting lives and how it is coded. The encoder and the decoder both read
// this one table; nothing else knows an offset.
namespace image {

inline constexpr int ImageSize = 1024;
using Image = std::array<std::uint8_t, ImageSize>;

enum class FieldKind {
    CheckBit,      // check box: the bit is 1 when Value is 1
    PowerUpBit,    // an output's power-up check box: as CheckBit, but read
                   // only into a box the output's mode leaves enabled
    ListBit,       // two-entry list: the bit is 1 when ListIndex is 1
    CellBit,       // one grid cell (a cell-text setting): 1 when marked "v"
    FlagBit,       // the Label8 highlight: read back, always written as 0
    Mask,          // a mark-mask setting (a grid row or column), whole byte
    Number,        // 0 to 255 as decimal text
    Voltage,       // tenths of a volt, stored as v * 10 / 11
    Temperature,   // whole degrees, stored as t + 128
    ModeList,      // ListIndex as the byte; a byte past the last entry is refused
    HourList,      // ListIndex as the byte; a byte above `maxIndex` reads as 0
    ShortBeepList, // ListIndex + 1; bytes other than 1 to 3 leave the list alone
    MicList,       // bits 3 and 4: index 0 sets bit 3, 2 sets bit 4, 1 neither
    Pin,           // two characters
    Name,          // four characters, a shorter name filled up with "x"
    BalanceRecord, // "atd", the number, ";" CR ","
    OwnerRecord,   // "atd"/"ftd", the number, ";" CR ","
    DataOwnerRecord, // "atd"/"ftd", the number, CR ","
    Text,          // characters followed by `terminator`
};

struct Field {
    FieldKind kind;
    int offset;
    // Bit fields: the bit (0 = least significant).
    int bit = 0;
    // Control name for controls, setting key for masks and cells.
    std::string target;
    // Texts and dial records: characters the field has room for.
    int room = 0;
    std::uint8_t terminator = 0;
    // HourList: the last index the byte may select.
    int maxIndex = 0;
};

// Every field of the image, in increasing offset order (the bit fields of a
// byte from bit 0 up).
const std::vector<Field>& imageMap();

// The field of a control or setting key; throws std::out_of_range for a
// target the map does not hold.
const Field& fieldOf(std::string_view target);

// The order in which a read applies the fields to the window. Each
// assignment runs the control's reaction, so later fields see the effects
// of earlier ones.
const std::vector<std::string>& decodeOrder();

// The device information block that follows the image in a dump.
namespace info {
inline constexpr int Size = 33;
inline constexpr int SerialFirst = 2, SerialLength = 8;
inline constexpr int PasswordFirst = 11, PasswordLength = 18;
}  // namespace info

// Bytes of a dump frame around the image.
namespace dump {
inline constexpr int ImageFirst = 4;                         // frame byte of image offset 0
inline constexpr int InfoFirst = ImageFirst + ImageSize;     // 1028
inline constexpr int ChecksumByte = InfoFirst + info::Size;  // 1061
}  // namespace dump

}  // namespace image
