#include "tools/artwork/palette_quantizer.h"

#include <gtest/gtest.h>

#include <set>

namespace pipwick::artwork {
namespace {

TEST(PaletteQuantizer, KeepsFewColoursExactlyAndReservesTheFixedEntries) {
    Canvas picture(4, 2, 0x000000);
    picture.SetPixel(1, 0, 0xFFFFFF);
    picture.SetPixel(2, 0, 0x336699);
    picture.SetPixel(3, 1, 0x010101);
    const IndexedBitmap bitmap = Quantize(picture);
    EXPECT_EQ(bitmap.Index(0, 0), 0);
    EXPECT_EQ(bitmap.Index(1, 0), 255);
    EXPECT_EQ(bitmap.colours[0], 0x000000u);
    EXPECT_EQ(bitmap.colours[255], 0xFFFFFFu);
    EXPECT_EQ(bitmap.Colour(2, 0), 0x336699u);
    EXPECT_EQ(bitmap.Colour(3, 1), 0x010101u);
}

TEST(PaletteQuantizer, ManyColoursNeverUseEntry57OrTurnBlackOrWhite) {
    Canvas picture(64, 64);
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            picture.SetPixel(x, y, static_cast<uint32_t>(x * 4) << 16 | (y * 4) << 8 | 3);
        }
    }
    picture.SetPixel(0, 0, 0x000000);
    const IndexedBitmap bitmap = Quantize(picture);
    std::set<uint8_t> used(bitmap.pixels.begin(), bitmap.pixels.end());
    EXPECT_EQ(used.count(57), 0u);
    EXPECT_EQ(used.count(255), 0u);
    EXPECT_GT(used.size(), 200u);
    EXPECT_EQ(bitmap.Index(0, 0), 0);
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            if (x + y > 0) {
                ASSERT_NE(bitmap.Index(x, y), 0) << x << "," << y;
                // Within a few steps of the original in each channel.
                const uint32_t c = bitmap.Colour(x, y);
                EXPECT_NEAR(static_cast<int>(c >> 16), x * 4, 24);
                EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), y * 4, 24);
            }
        }
    }
}

}  // namespace
}  // namespace pipwick::artwork
