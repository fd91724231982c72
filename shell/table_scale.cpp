#include "shell/table_scale.h"

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

}  // namespace pipwick
