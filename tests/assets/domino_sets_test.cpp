#include "assets/domino_sets.h"

#include <gtest/gtest.h>

#include "assets/bitmap_file.h"
#include "tests/assets/built_resources.h"
#include "tools/compressed_image_encoder.h"

namespace pipwick {
namespace {

constexpr uint32_t kButtonFace = 0xD4D0C8;

IndexedBitmap DecodedArtwork(int32_t set, int32_t size) {
    ImageStore store;
    const auto file = store.LoadCompressedImage(testing::BuiltResources(),
                                                FindDominoSetResource(set, size)->id, nullptr);
    EXPECT_TRUE(file);
    return file ? ReadBitmap8(*file, nullptr).value_or(IndexedBitmap{}) : IndexedBitmap{};
}

TableCanvas Loaded(int32_t set, int32_t size, const BackgroundSettings& background) {
    TableCanvas table;
    const auto error =
        LoadDominoSet(set, size, background, kButtonFace, testing::BuiltResources(), table);
    EXPECT_FALSE(error) << *error;
    return table;
}

TEST(DominoSets, ResourceTableIsIndexedBySetAndSize) {
    struct Case {
        int32_t set, size, id;
        const char* name;
    };
    for (const Case& c : {Case{1, 0, 194, "wooddoms.bmp"}, Case{2, 0, 195, "blakdoms.bmp"},
                          Case{2, 1, 174, "blakdomm.bmp"}, Case{2, 2, 173, "blakdom.bmp"},
                          Case{3, 2, 180, "bonedom.bmp"}, Case{7, 2, 186, "Marbdom.bmp"},
                          Case{7, 0, 188, "marbdoms.bmp"}}) {
        const auto resource = FindDominoSetResource(c.set, c.size);
        ASSERT_TRUE(resource) << c.set << "," << c.size;
        EXPECT_EQ(resource->id, c.id);
        EXPECT_STREQ(resource->fileName, c.name);
    }
    for (auto [set, size] : {std::pair{0, 0}, {8, 1}, {-1, 2}, {2, 3}, {2, -1}}) {
        EXPECT_FALSE(FindDominoSetResource(set, size)) << set << "," << size;
    }
}

TEST(DominoSets, BackgroundColourFollowsTheSetting) {
    struct Case {
        int32_t choice;
        uint32_t colour;
    };
    for (const Case& c :
         {Case{-5, 0xCEDEEF}, Case{0, 0xCEDEEF}, Case{1, 0xCEDEEF}, Case{2, 0xC6DEC6},
          Case{3, 0xC0C0C0}, Case{4, 0x008080}, Case{5, 0xFFE4E4}, Case{6, 0x000000},
          Case{7, 0x000080}, Case{8, 0x102030}, Case{42, 0x102030}}) {
        EXPECT_EQ(BackgroundColorOf({c.choice, 0x10, 0x20, 0x30}), c.colour) << c.choice;
    }
    EXPECT_EQ(BackgroundColorOf({8, -4, 300, 255}), 0x00FFFFu);
    EXPECT_EQ(BackgroundColorOf({}), 0x008080u);
}

TEST(DominoSets, LoadBuildsTheTableCanvasAtEachScale) {
    // Canvas and strip, in pixels, of the small, medium and large sets.
    const int32_t kSizes[kSizeClassCount][4] = {
        {688, 480, 44, 135}, {1032, 720, 66, 202}, {1376, 960, 88, 270}};
    for (int32_t size = 0; size < kSizeClassCount; ++size) {
        SCOPED_TRACE(size);
        const double s = ScaleOfSizeClass(size);
        const TableCanvas table = Loaded(6, size, {});
        const IndexedBitmap art = DecodedArtwork(6, size);
        ASSERT_EQ(table.canvas.Width(), kSizes[size][0]);
        ASSERT_EQ(table.canvas.Height(), kSizes[size][1]);
        ASSERT_EQ(art.width, kSizes[size][2]);
        ASSERT_EQ(art.height, kSizes[size][3]);
        EXPECT_EQ(table.scale, s);
        EXPECT_EQ(table.backgroundColor, 0x008080u);
        // The whole strip, pixel for pixel.
        for (int32_t y = 0; y < art.height; ++y) {
            for (int32_t x = 0; x < art.width; ++x) {
                ASSERT_EQ(table.canvas.Pixel(x, y), art.Colour(x, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(table.canvas.Pixel(Scaled(44, s), 0), 0x008080u);
        EXPECT_EQ(table.canvas.Pixel(Scaled(683, s), Scaled(479, s)), 0x008080u);
        EXPECT_EQ(table.canvas.Pixel(0, Scaled(135, s)), 0u);  // not drawn
        EXPECT_EQ(table.canvas.Pixel(0, Scaled(249, s)), 0u);
        EXPECT_EQ(table.canvas.Pixel(0, Scaled(250, s)), kButtonFace);
        EXPECT_EQ(table.canvas.Pixel(Scaled(43, s), Scaled(299, s)), kButtonFace);
        EXPECT_EQ(table.canvas.Pixel(0, Scaled(300, s)), 0x008080u);
        EXPECT_EQ(table.canvas.Pixel(Scaled(43, s), Scaled(479, s)), 0x008080u);
        EXPECT_EQ(table.canvas.Pixel(Scaled(684, s), 0), 0u);  // not drawn
    }
}

TEST(DominoSets, ChangingTheBackgroundKeepsTheArtwork) {
    const BackgroundSettings custom = {9, 12, 34, 56};
    const TableCanvas teal = Loaded(4, 2, {});
    const TableCanvas own = Loaded(4, 2, custom);
    EXPECT_EQ(own.backgroundColor, 0x0C2238u);
    EXPECT_EQ(own.palette[kBackgroundColourIndex], 0x0C2238u);
    EXPECT_EQ(teal.palette[kBackgroundColourIndex], 0x008080u);
    for (int32_t i = 0; i < 256; ++i) {
        if (i != kBackgroundColourIndex) {
            EXPECT_EQ(own.palette[i], teal.palette[i]) << i;
        }
    }
    for (int32_t y = 0; y < 270; ++y) {
        for (int32_t x = 0; x < 88; ++x) {
            ASSERT_EQ(own.canvas.Pixel(x, y), teal.canvas.Pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(own.canvas.Pixel(500, 500), 0x0C2238u);
    EXPECT_EQ(own.canvas.Pixel(10, 700), 0x0C2238u);
}

TEST(DominoSets, PixelsOfEntry57ShowTheBackgroundColour) {
    IndexedBitmap art;
    art.width = 44;
    art.height = 135;
    art.colours[57] = 0x123456;
    art.colours[58] = 0x654321;
    art.pixels.assign(44 * 135, 58);
    art.pixels[3 * 44 + 5] = 57;
    const std::vector<uint8_t> container = PackContainer(WriteBitmap8(art), "a.bmp", {});
    const ResourceSource source = [&](int32_t) { return std::optional(container); };
    TableCanvas table;
    ASSERT_FALSE(LoadDominoSet(1, 0, {7}, kButtonFace, source, table));
    EXPECT_EQ(table.canvas.Pixel(5, 3), 0x000080u);
    EXPECT_EQ(table.canvas.Pixel(6, 3), 0x654321u);
}

TEST(DominoSets, AFailedLoadKeepsThePreviousCanvas) {
    const TableCanvas before = Loaded(3, 0, {});
    const ResourceSource built = testing::BuiltResources();
    const ResourceSource truncated = [&](int32_t id) -> std::optional<std::vector<uint8_t>> {
        auto bytes = built(id);
        bytes->resize(bytes->size() / 2);
        return bytes;
    };
    const ResourceSource notABitmap = [](int32_t) -> std::optional<std::vector<uint8_t>> {
        // A well-formed container whose contents decode to something other than a bitmap.
        std::vector<uint8_t> c = {'Q',  'M', '1', 0, 23, 0, 0, 0,    0, 0, 0, 0,
                                  0x20, 1,   'x', 4, 0,  0, 0, 0xCB, 0, 0, 0};
        return c;
    };
    const ResourceSource missing = [](int32_t) { return std::optional<std::vector<uint8_t>>(); };
    struct Case {
        const char* what;
        int32_t set, size;
        const ResourceSource* source;
    };
    for (const Case& c : {Case{"missing", 3, 0, &missing}, Case{"truncated", 3, 0, &truncated},
                          Case{"not a bitmap", 3, 0, &notABitmap}, Case{"set 0", 0, 0, &built},
                          Case{"set 8", 8, 0, &built}, Case{"size 3", 3, 3, &built}}) {
        TableCanvas table = before;
        const auto error = LoadDominoSet(c.set, c.size, {}, kButtonFace, *c.source, table);
        ASSERT_TRUE(error) << c.what;
        EXPECT_FALSE(error->empty()) << c.what;
        EXPECT_EQ(table.canvas, before.canvas) << c.what;
        EXPECT_EQ(table.palette, before.palette) << c.what;
    }
}

TEST(DominoSets, SampleIsMaskedOntoTheDialogWithASwatch) {
    const Rect setGroup = {20, 40, 200, 140}, setEdit = {120, 80, 160, 100};
    const Rect colourGroup = {20, 150, 200, 300}, colourEdit = {120, 200, 160, 220};
    const Point at = SamplePosition(setGroup, setEdit);
    EXPECT_EQ(at, (Point{59, 68}));
    const Rect swatch = SwatchRect(colourGroup, colourEdit);
    EXPECT_EQ(swatch, (Rect{35, 162, 106, 258}));

    const uint32_t grey = 0xC0C0C0, colour = 0x336699;
    Canvas dialog(240, 320, grey);
    ASSERT_FALSE(DrawDominoSample(dialog, 5, colour, at, swatch, testing::BuiltResources()));
    const auto file = ReadFileBytes(testing::kResources / "bitmap" / "172.bmp");
    const IndexedBitmap sample = ReadBitmap8(*file, nullptr).value();
    EXPECT_EQ(dialog.Pixel(at.x, at.y), grey);  // outside the rounded corner
    EXPECT_EQ(dialog.Pixel(at.x + 11, at.y + 21), sample.Colour(11, 4 * 43 + 21));
    EXPECT_EQ(dialog.Pixel(at.x + 5, at.y + 40), sample.Colour(5, 4 * 43 + 40));
    EXPECT_EQ(dialog.Pixel(swatch.left, swatch.top), colour);
    EXPECT_EQ(dialog.Pixel(swatch.right - 1, swatch.bottom - 1), colour);
    EXPECT_EQ(dialog.Pixel(swatch.right, swatch.bottom), grey);

    Canvas untouched(240, 320, grey);
    const ResourceSource none = [](int32_t) { return std::optional<std::vector<uint8_t>>(); };
    EXPECT_TRUE(DrawDominoSample(untouched, 5, colour, at, swatch, none));
    EXPECT_TRUE(DrawDominoSample(untouched, 8, colour, at, swatch, testing::BuiltResources()));
    EXPECT_EQ(untouched, Canvas(240, 320, grey));
}

}  // namespace
}  // namespace pipwick
