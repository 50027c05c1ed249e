#include "image/codes.h"

namespace image {

int roundHalfEven(int v, int d)
{
    int q = v / d;
    int twiceRest = 2 * (v % d);
    if (twiceRest > d || (twiceRest == d && q % 2 == 1))
        ++q;
    return q;
}

std::uint8_t checksum(std::span<const std::uint8_t> bytes)
{
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum = (sum + b) & 0xFF;
    return static_cast<std::uint8_t>(sum);
}

}  // namespace image
