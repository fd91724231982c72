#include "shell/windows/table_scale.h"

#include <cmath>
#include <initializer_list>

namespace pipwick {

namespace {

constexpr ScaleChoice kSmall{1.0, 0, false};
constexpr ScaleChoice kMedium{1.5, 1, false};
constexpr ScaleChoice kLarge{2.0, 2, false};
constexpr ScaleChoice kSmallAsAuto{1.0, 0, true};

enum TableSize : int32_t { kAuto = 0, kSmallSize = 1, kMediumSize = 2, kLargeSize = 3 };

}  // namespace

ScaleChoice ChooseScale(int32_t screenWidth, int32_t tableSize) {
    if (screenWidth <= 800) {
        return tableSize > kSmallSize ? kSmallAsAuto : kSmall;
    }
    const bool wide = screenWidth >= 1280;
    switch (tableSize) {
        case kAuto:
            return wide ? kLarge : kMedium;
        case kMediumSize:
            return kMedium;
        case kLargeSize:
            return wide ? kLarge : kSmallAsAuto;
        default:
            return kSmall;
    }
}

// Screens report ratios such as 1.5 or 2 as doubles that need not be exact.
ScaleChoice ArtworkForScreen(const ScaleChoice& window, double devicePixelRatio) {
    const double wanted = window.scale * devicePixelRatio;
    for (const ScaleChoice& size : {kSmall, kMedium, kLarge}) {
        if (size.scale > window.scale && std::abs(size.scale - wanted) < 0.01) {
            return size;
        }
    }
    return {window.scale, window.sizeClass, false};
}

}  // namespace pipwick
