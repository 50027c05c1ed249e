#include <gtest/gtest.h>

#include <vector>

#include "image/codes.h"

namespace {

struct VoltageCase {
    int tenths;
    int code;
    int readBack;
};

TEST(VoltageCode, StoresAndReadsBackToTheNearestWithTiesToEven)
{
    for (const VoltageCase& c : std::vector<VoltageCase>{
             {130, 118, 130}, {106, 96, 106}, {105, 95, 104},  // 95 * 1.1 = 104.5, the tie goes to 104
             {110, 100, 110}, {0, 0, 0},      {255, 232, 255}}) {
        EXPECT_EQ(image::voltageCode(c.tenths), c.code) << c.tenths;
        EXPECT_EQ(image::voltageTenths(static_cast<std::uint8_t>(c.code)), c.readBack) << c.code;
    }
    EXPECT_EQ(image::voltageTenths(255), 280);
    EXPECT_EQ(image::voltageTenths(5), 6);    // 5.5 goes up to the even 6
    EXPECT_EQ(image::voltageTenths(15), 16);  // 16.5 goes down to the even 16
}

TEST(TemperatureCode, IsTheDegreesPlus128)
{
    EXPECT_EQ(image::temperatureCode(-30), 98);
    EXPECT_EQ(image::temperatureCode(80), 208);
    EXPECT_EQ(image::temperatureDegrees(0), -128);
    EXPECT_EQ(image::temperatureDegrees(255), 127);
}

TEST(Checksum, IsTheSumModulo256)
{
    EXPECT_EQ(image::checksum(std::vector<std::uint8_t>(1024, 0)), 0);
    EXPECT_EQ(image::checksum(std::vector<std::uint8_t>{200, 100}), 44);  // 300 - 256
    EXPECT_EQ(image::checksum(std::vector<std::uint8_t>(1024, 0xFF)), 0);  // 1024 * 255 = 0 mod 256
}

}  // namespace
