#include "shell/windows/table_scale.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

struct ScaleCase {
    int32_t width;
    int32_t tableSize;
    double scale;
    int32_t sizeClass;
    bool rewritten;
};

TEST(ChooseScale, FollowsTheScreenWidthAndTheTableSize) {
    const ScaleCase cases[] = {
        // Up to 800 pixels: always small; Medium and Large are written back as Auto.
        {800, 0, 1.0, 0, false},
        {800, 1, 1.0, 0, false},
        {800, 2, 1.0, 0, true},
        {800, 3, 1.0, 0, true},
        {640, 9, 1.0, 0, true},
        {800, -1, 1.0, 0, false},
        // 801 to 1279: Auto is medium; Large falls back to small now and to Auto in the file.
        {801, 0, 1.5, 1, false},
        {1024, 1, 1.0, 0, false},
        {1024, 2, 1.5, 1, false},
        {1279, 3, 1.0, 0, true},
        {1024, 7, 1.0, 0, false},
        // From 1280 on: Auto is large.
        {1280, 0, 2.0, 2, false},
        {1920, 1, 1.0, 0, false},
        {1920, 2, 1.5, 1, false},
        {1920, 3, 2.0, 2, false},
        {1920, 4, 1.0, 0, false},
    };
    for (const ScaleCase& c : cases) {
        const ScaleChoice choice = ChooseScale(c.width, c.tableSize);
        EXPECT_EQ(choice.scale, c.scale) << c.width << " " << c.tableSize;
        EXPECT_EQ(choice.sizeClass, c.sizeClass) << c.width << " " << c.tableSize;
        EXPECT_EQ(choice.rewriteAsAuto, c.rewritten) << c.width << " " << c.tableSize;
    }
}

TEST(ArtworkForScreen, GivesEachTilePixelOneScreenPixelWhereASizeFits) {
    struct Case {
        double windowScale;
        int32_t windowSize;
        double ratio;
        int32_t sizeClass;
    };
    const Case cases[] = {
        {1.0, 0, 1.0, 0},
        {1.0, 0, 2.0, 2},
        {1.0, 0, 1.5, 1},
        {1.0, 0, 1.4999999, 1},
        {1.5, 1, 4.0 / 3.0, 2},
        // No artwork is three times or four times the design, nor a quarter larger.
        {1.5, 1, 2.0, 1},
        {2.0, 2, 2.0, 2},
        {1.0, 0, 1.25, 0},
        {1.0, 0, 3.0, 0},
        // A screen that reports fewer pixels than window pixels gets the window's own size.
        {2.0, 2, 0.75, 2},
    };
    for (const Case& c : cases) {
        const ScaleChoice artwork = ArtworkForScreen({c.windowScale, c.windowSize, false}, c.ratio);
        EXPECT_EQ(artwork.sizeClass, c.sizeClass) << c.windowScale << " x " << c.ratio;
        EXPECT_EQ(artwork.scale, 1.0 + 0.5 * c.sizeClass) << c.windowScale << " x " << c.ratio;
        EXPECT_FALSE(artwork.rewriteAsAuto);
    }
}

}  // namespace
}  // namespace pipwick
