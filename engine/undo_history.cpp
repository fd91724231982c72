#include "engine/undo_history.h"

#include <utility>

namespace pipwick {

void UndoHistory::BeginAction(const GameState& before, std::string status) {
    pending_.state = before;
    pending_.status = std::move(status);
    inAction_ = true;
    humanMoved_ = false;
    handOver_ = false;
}

void UndoHistory::EndAction() {
    if (inAction_ && humanMoved_ && !handOver_) {
        points_.push_back(std::move(pending_));
    }
    inAction_ = false;
}

UndoHistory::Point UndoHistory::TakeLast() {
    Point last = std::move(points_.back());
    points_.pop_back();
    return last;
}

void UndoHistory::Clear() {
    points_.clear();
    inAction_ = false;
}

void UndoHistory::HumanMoved(int player) {
    if (player == kHumanSeat) {
        humanMoved_ = true;
    }
}

// A move that ended its hand cannot be taken back either: the next deal has been made.
void UndoHistory::EndOfHistory() {
    points_.clear();
    handOver_ = true;
}

void UndoHistory::TilePlayed(int player, int /*armIndex*/, const PlacedTile& /*record*/) {
    HumanMoved(player);
}

void UndoHistory::TileDrawn(int player, int32_t /*tile*/) {
    HumanMoved(player);
}

void UndoHistory::Passed(int player) {
    HumanMoved(player);
}

void UndoHistory::HandEnded(int32_t /*points*/, int /*winner*/, int32_t /*gain*/) {
    EndOfHistory();
}

void UndoHistory::GameEnded(int /*winner*/) {
    EndOfHistory();
}

}  // namespace pipwick
