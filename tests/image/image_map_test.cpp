#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "editor/catalogue.h"
#include "image/image_map.h"

namespace {

using image::Field;
using image::FieldKind;

bool isBitField(FieldKind k)
{
    return k == FieldKind::CheckBit || k == FieldKind::PowerUpBit || k == FieldKind::ListBit ||
           k == FieldKind::CellBit || k == FieldKind::FlagBit;
}

// The bits a field occupies, as (offset, bit mask) pairs.
std::vector<std::pair<int, int>> bitsOf(const Field& f)
{
    if (isBitField(f.kind))
        return {{f.offset, 1 << f.bit}};
    if (f.kind == FieldKind::MicList)
        return {{f.offset, 0x18}};
    int length = 1;
    switch (f.kind) {
    case FieldKind::Pin: length = 2; break;
    case FieldKind::Name: length = 4; break;
    case FieldKind::BalanceRecord:
    case FieldKind::OwnerRecord: length = 3 + f.room + 3; break;
    case FieldKind::DataOwnerRecord: length = 3 + f.room + 2; break;
    case FieldKind::Text: length = f.room + 1; break;
    default: break;
    }
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < length; ++i)
        out.push_back({f.offset + i, 0xFF});
    return out;
}

TEST(ImageMap, NoTwoFieldsShareABitAndEveryFieldFitsTheImage)
{
    std::array<int, image::ImageSize> used{};
    for (const Field& f : image::imageMap()) {
        for (auto [offset, bits] : bitsOf(f)) {
            ASSERT_LT(offset, image::ImageSize) << f.target;
            EXPECT_EQ(used[offset] & bits, 0) << f.target << " overlaps at offset " << offset;
            used[offset] |= bits;
        }
    }
    // Spot checks of the areas' edges.
    EXPECT_EQ(used[227], 0xFF);   // the data owner's slot ends the dial records
    EXPECT_EQ(used[228], 0);      // spare
    EXPECT_EQ(used[751], 0xFF);   // the server port's room
    EXPECT_EQ(used[1023], 0xFF);  // the last short text
    EXPECT_EQ(used[7] & 0x10, 0); // spare bit
}

TEST(ImageMap, FieldsAreInOffsetOrder)
{
    const auto& map = image::imageMap();
    EXPECT_TRUE(std::is_sorted(map.begin(), map.end(),
                               [](const Field& a, const Field& b) { return a.offset < b.offset; }));
}

TEST(ImageMap, GridFieldsNameSettingsOfTheCatalogue)
{
    for (const Field& f : image::imageMap()) {
        if (f.kind != FieldKind::Mask && f.kind != FieldKind::CellBit)
            continue;
        const editor::Setting* s = editor::findSetting(f.target);
        ASSERT_NE(s, nullptr) << f.target;
        EXPECT_EQ(s->kind, f.kind == FieldKind::Mask ? editor::ValueKind::MarkMask : editor::ValueKind::CellText)
            << f.target;
    }
}

TEST(DecodeOrder, ReadsEveryFieldExactlyOnce)
{
    std::map<std::string, int> seen;
    for (const std::string& target : image::decodeOrder()) {
        EXPECT_NO_THROW(image::fieldOf(target)) << target;
        ++seen[target];
    }
    for (const Field& f : image::imageMap())
        EXPECT_EQ(seen[f.target], 1) << f.target;
    EXPECT_EQ(seen.size(), image::imageMap().size());
}

TEST(DecodeOrder, InputTypesOfInputs6And8FollowTheirThresholds)
{
    // A changed threshold rebuilds its list and selects an entry, so the
    // stored entry must come after it.
    const auto& order = image::decodeOrder();
    auto at = [&order](const std::string& t) { return std::find(order.begin(), order.end(), t) - order.begin(); };
    EXPECT_GT(at("Check_zero6"), at("Text_lev_z6"));
    EXPECT_GT(at("Check_zero8"), at("Text_lev_12v"));
    // Output modes reset the power-up switches and the inputs of an output:
    // the switches follow every mode, the inputs come after.
    for (const char* output : {"1", "2", "3"})
        EXPECT_LT(at("Combo_out3"), at(std::string("Check_state_out") + output));
    EXPECT_LT(at("Combo_out1"), at("Form1.MSFlexGrid_inputs_to_out.Row = 1"));
}

}  // namespace
