#include "engine/drop_areas.h"

namespace pipwick {

namespace {

bool ArmClosed(const GameState& state, int arm) {
    return state.ArmOpenPip[arm] == kNoPip;
}

Rect DropArea(const GameState& state, int arm) {
    if (TableIsEmpty(state) || (arm != 0 && ArmClosed(state, arm))) {
        return Rect{};
    }
    const int length = ArmLength(state, arm);
    return length == 0 ? RootSideOf(state.Arm[0][0], arm) : OpenEndOf(state.Arm[arm][length - 1]);
}

}  // namespace

Rect OpenEndOf(const PlacedTile& record) {
    return IsDouble(record.Tile) ? Union(record.InnerHalf, record.OuterHalf) : record.OuterHalf;
}

Rect RootSideOf(const PlacedTile& root, int arm) {
    if (arm == 3) {
        return root.OuterHalf;
    }
    return arm == 2 && IsDouble(root.Tile) ? OpenEndOf(root) : root.InnerHalf;
}

void RebuildDropAreas(GameState& state) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        state.ArmDropRect[arm] = DropArea(state, arm);
    }
}

}  // namespace pipwick
