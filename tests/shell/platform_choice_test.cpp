#include "shell/app/platform_choice.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

TEST(ChoosePlatform, UsesXWaylandUnlessThePlayerChoseAndStopsWithoutADisplay) {
    struct Case {
        const char* chosen;
        const char* display;
        const char* wayland;
        Platform platform;
    };
    const Case cases[] = {
        {nullptr, ":0", nullptr, Platform::kAsChosen},
        {nullptr, ":0", "wayland-0", Platform::kXWayland},
        {"", ":0", "wayland-0", Platform::kXWayland},
        {"wayland", ":0", "wayland-0", Platform::kAsChosen},
        {"offscreen", nullptr, nullptr, Platform::kAsChosen},
        {nullptr, nullptr, nullptr, Platform::kNoDisplay},
        {nullptr, "", nullptr, Platform::kNoDisplay},
        {nullptr, nullptr, "wayland-0", Platform::kNoDisplay},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChoosePlatform(c.chosen, c.display, c.wayland), c.platform)
            << (c.chosen ? c.chosen : "-") << " " << (c.display ? c.display : "-") << " "
            << (c.wayland ? c.wayland : "-");
    }
}

}  // namespace
}  // namespace pipwick
