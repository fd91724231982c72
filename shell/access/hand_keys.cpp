#include "shell/access/hand_keys.h"

#include <Qt>
#include <algorithm>

#include "engine/game.h"
#include "engine/trial_play.h"

namespace pipwick {

namespace {

bool PlayKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

HandKeys::HandKeys(const GameState& state, const Geometry& geometry)
    : state_(state), geometry_(geometry) {}

std::vector<int> HandKeys::OccupiedSlots() const {
    std::vector<int> held;
    if (state_.GameInProgress != 1) {
        return held;
    }
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (state_.Hand[kHumanSeat][slot] != kNoTile) {
            held.push_back(slot);
        }
    }
    return held;
}

// The focus keeps its place when the hand closes up under it, and stops at the last tile.
int HandKeys::FocusSlot() const {
    const std::vector<int> held = OccupiedSlots();
    if (held.empty()) {
        return -1;
    }
    const auto at = std::lower_bound(held.begin(), held.end(), focus_);
    return at == held.end() ? held.back() : *at;
}

bool HandKeys::Holding() const {
    return HumansTurn(state_) && !TableIsEmpty(state_) && state_.SelectedTile >= 1 &&
           state_.SelectedTile <= kTileCount;
}

std::vector<int> HandKeys::FittingArms() const {
    std::vector<int> arms;
    if (!Holding()) {
        return arms;
    }
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (!state_.ArmDropRect[arm].IsEmpty() &&
            TryHumanPlay(state_, geometry_, state_.SelectedTile, arm).accepted) {
            arms.push_back(arm);
        }
    }
    return arms;
}

int HandKeys::ChosenArm() const {
    const std::vector<int> arms = FittingArms();
    return std::find(arms.begin(), arms.end(), chosenArm_) != arms.end() ? chosenArm_ : -1;
}

void HandKeys::Follow(int preferredArm) {
    const bool picked = state_.SelectedTile != followed_;
    followed_ = state_.SelectedTile;
    for (int slot = 0; slot < kHandSlots && picked; ++slot) {
        if (state_.SelectedTile != kNoSelection &&
            state_.Hand[kHumanSeat][slot] == state_.SelectedTile) {
            focus_ = slot;
        }
    }
    const std::vector<int> arms = FittingArms();
    if (std::find(arms.begin(), arms.end(), preferredArm) != arms.end()) {
        chosenArm_ = preferredArm;
    } else if (picked || ChosenArm() < 0) {
        chosenArm_ = arms.empty() ? -1 : arms.front();
    }
}

HandKeys::Move HandKeys::KeyPressed(int key) {
    const Move move = Holding() ? ChooseEnd(key) : MoveFocus(key);
    if (move.kind != Move::Kind::kNone) {
        inUse_ = true;
    }
    return move;
}

HandKeys::Move HandKeys::MoveFocus(int key) {
    const std::vector<int> held = OccupiedSlots();
    if (held.empty()) {
        return {};
    }
    const auto at = std::find(held.begin(), held.end(), FocusSlot());
    const size_t index = static_cast<size_t>(at - held.begin());
    switch (key) {
        case Qt::Key_Left:
            focus_ = held[index == 0 ? 0 : index - 1];
            return {Move::Kind::kShown};
        case Qt::Key_Right:
            focus_ = held[std::min(index + 1, held.size() - 1)];
            return {Move::Kind::kShown};
        case Qt::Key_Home:
            focus_ = held.front();
            return {Move::Kind::kShown};
        case Qt::Key_End:
            focus_ = held.back();
            return {Move::Kind::kShown};
        default:
            break;
    }
    if (PlayKey(key) && HumansTurn(state_)) {
        return {Move::Kind::kClickTile, FocusSlot()};
    }
    return {};
}

// The arrows step round the ends the tile fits; a number names an end by its arm (1 the right
// end ... 4 the bottom end) and is taken only where the tile fits.
HandKeys::Move HandKeys::ChooseEnd(int key) {
    const std::vector<int> arms = FittingArms();
    const int chosen = ChosenArm();
    if (PlayKey(key)) {
        return chosen >= 0 ? Move{Move::Kind::kPlayOnArm, chosen} : Move{Move::Kind::kShown};
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        const int arm = key - Qt::Key_1;
        if (std::find(arms.begin(), arms.end(), arm) != arms.end()) {
            chosenArm_ = arm;
        }
        return {Move::Kind::kShown};
    }
    if (arms.empty()) {
        return {};
    }
    const auto at = std::find(arms.begin(), arms.end(), chosen);
    const size_t index = at == arms.end() ? 0 : static_cast<size_t>(at - arms.begin());
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            chosenArm_ = arms[(index + arms.size() - 1) % arms.size()];
            return {Move::Kind::kShown};
        case Qt::Key_Right:
        case Qt::Key_Down:
            chosenArm_ = arms[(index + 1) % arms.size()];
            return {Move::Kind::kShown};
        case Qt::Key_Home:
            chosenArm_ = arms.front();
            return {Move::Kind::kShown};
        case Qt::Key_End:
            chosenArm_ = arms.back();
            return {Move::Kind::kShown};
        default:
            return {};
    }
}

}  // namespace pipwick
