#include "assets/bitmap_file.h"

#include <gtest/gtest.h>

#include "assets/byte_order.h"

namespace pipwick {
namespace {

IndexedBitmap Sample(int32_t width, int32_t height) {
    IndexedBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    for (size_t i = 0; i < 256; ++i) {
        bitmap.colours[i] = static_cast<uint32_t>(i * 0x010305) & 0xFFFFFF;
        bitmap.flags[i] = static_cast<uint8_t>(i % 3);
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            bitmap.pixels.push_back(static_cast<uint8_t>(x * 16 + y));
        }
    }
    return bitmap;
}

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        file[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

TEST(BitmapFile, EightBitFilesRoundTripAtEveryRowPadding) {
    for (int32_t width : {1, 2, 3, 4, 5, 22, 44}) {
        const IndexedBitmap original = Sample(width, 3);
        const std::vector<uint8_t> file = WriteBitmap8(original);
        const int32_t stride = (width + 3) / 4 * 4;
        ASSERT_EQ(file.size(), static_cast<size_t>(kBitmap8PixelOffset + stride * 3));
        EXPECT_EQ(Little32(file, 2), file.size());
        // Bottom-up: the first stored row is the picture's last.
        EXPECT_EQ(file[kBitmap8PixelOffset], original.Index(0, 2));

        std::string error;
        const auto read = ReadBitmap8(file, &error);
        ASSERT_TRUE(read) << error;
        EXPECT_EQ(read->width, width);
        EXPECT_EQ(read->height, 3);
        EXPECT_EQ(read->pixels, original.pixels);
        EXPECT_EQ(read->colours, original.colours);
        EXPECT_EQ(read->flags, original.flags);
    }
}

TEST(BitmapFile, ReadsTopDownRows) {
    std::vector<uint8_t> file = WriteBitmap8(Sample(4, 2));
    Put32(file, 22, static_cast<uint32_t>(-2));
    const auto read = ReadBitmap8(file, nullptr);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Index(1, 0), Sample(4, 2).Index(1, 1));
}

TEST(BitmapFile, RefusesMalformedFiles) {
    const std::vector<uint8_t> good = WriteBitmap8(Sample(5, 4));
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        bool wide;
    };
    const Case cases[] = {
        {"signature", 0, 'X', false},
        {"information header size", 14, 12, true},
        {"24 bits", 28, 24, false},
        {"compressed", 30, 1, true},
        {"16 colours", 46, 16, true},
        {"zero width", 18, 0, true},
        {"huge width", 18, 0x7FFFFFFF, true},
        {"huge height", 22, 0x40000000, true},
        {"huge top-down height", 22, 0xC0000000, true},
        {"most negative height", 22, 0x80000000, true},
        {"pixels past the end", 10, 1100, true},
        {"pixels inside the colour table", 10, 1000, true},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> file = good;
        if (c.wide) {
            Put32(file, c.at, c.value);
        } else {
            file[c.at] = static_cast<uint8_t>(c.value);
        }
        std::string error;
        EXPECT_FALSE(ReadBitmap8(file, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(ReadBitmap8(std::span(good).first(length), nullptr)) << length;
    }
}

TEST(BitmapFile, WritesCanvasesAsTwentyFourBitBottomUpRows) {
    Canvas canvas(3, 2);
    canvas.SetPixel(0, 0, 0x102030);
    canvas.SetPixel(2, 1, 0xA0B0C0);
    const std::vector<uint8_t> file = WriteBitmap24(canvas);
    ASSERT_EQ(file.size(), 54u + 12u * 2u);  // 9 bytes of pixels padded to 12 per row
    EXPECT_EQ(Little32(file, 2), file.size());
    EXPECT_EQ(Little16(file, 28), 24);
    EXPECT_EQ(Little32(file, 10), 54u);
    // First stored row is the bottom one; blue, green, red.
    EXPECT_EQ(file[54 + 6], 0xC0);
    EXPECT_EQ(file[54 + 8], 0xA0);
    EXPECT_EQ(file[54 + 12], 0x30);
    EXPECT_EQ(file[54 + 14], 0x10);
}

TEST(BitmapFile, CopiesAnAreaOfColoursClipped) {
    const IndexedBitmap bitmap = Sample(4, 3);
    Canvas canvas(3, 3, 0x777777);
    CopyBitmapToCanvas(bitmap, {1, 1, 4, 3}, canvas, {1, 2});
    EXPECT_EQ(canvas.Pixel(1, 2), bitmap.Colour(1, 1));
    EXPECT_EQ(canvas.Pixel(2, 2), bitmap.Colour(2, 1));
    EXPECT_EQ(canvas.Pixel(0, 2), 0x777777u);
    EXPECT_EQ(canvas.Pixel(1, 1), 0x777777u);
}

}  // namespace
}  // namespace pipwick
