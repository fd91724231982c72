#include "ai/expert_view.h"

#include <algorithm>
#include <iterator>

namespace pipwick {

ExpertView MakeExpertView(const GameState& state, int seat, const SeatLevels& levels) {
    ExpertView view{};
    view.Seat = seat;
    view.PlayerCount = state.PlayerCount;
    view.Rules = state.Rules;
    std::copy(std::begin(state.Hand[seat]), std::end(state.Hand[seat]), view.Hand);
    for (int player = 1; player <= 4; ++player) {
        view.HandCount[player] = TakesPart(state, player) ? HandCount(state, player) : 0;
        view.Scores[player] = state.Scores[player];
    }
    view.BonePileCount = BonePileEmpty(state) ? 0 : kDeckSize - state.BonePileNext;
    view.NextLeader = state.NextLeader;
    view.ConsecutivePasses = state.ConsecutivePasses;
    PublicTable& table = view.Table;
    std::copy(&state.Arm[0][0], &state.Arm[0][0] + kArmCount * kArmLength, &table.Arm[0][0]);
    std::copy(std::begin(state.ArmOpenPip), std::end(state.ArmOpenPip), table.ArmOpenPip);
    std::copy(std::begin(state.ArmDropRect), std::end(state.ArmDropRect), table.ArmDropRect);
    table.SpinnerState = state.SpinnerState;
    std::copy(std::begin(state.ArmCursor), std::end(state.ArmCursor), table.ArmCursor);
    std::copy(std::begin(state.ArmRunState), std::end(state.ArmRunState), table.ArmRunState);
    view.History = state.History;
    view.Levels = levels;
    return view;
}

void FillPublicState(const ExpertView& view, GameState& state) {
    ResetGameState(state);
    const PublicTable& table = view.Table;
    std::copy(&table.Arm[0][0], &table.Arm[0][0] + kArmCount * kArmLength, &state.Arm[0][0]);
    std::copy(std::begin(table.ArmOpenPip), std::end(table.ArmOpenPip), state.ArmOpenPip);
    std::copy(std::begin(table.ArmDropRect), std::end(table.ArmDropRect), state.ArmDropRect);
    state.SpinnerState = table.SpinnerState;
    std::copy(std::begin(table.ArmCursor), std::end(table.ArmCursor), state.ArmCursor);
    std::copy(std::begin(table.ArmRunState), std::end(table.ArmRunState), state.ArmRunState);
    std::copy(std::begin(view.Hand), std::end(view.Hand), state.Hand[view.Seat]);
    std::copy(std::begin(view.Scores), std::end(view.Scores), state.Scores);
    state.PlayerCount = view.PlayerCount;
    state.Rules = view.Rules;
    state.BonePileNext = kDeckSize - view.BonePileCount;
    state.NextLeader = view.NextLeader;
    state.ConsecutivePasses = view.ConsecutivePasses;
    state.CurrentPlayer = view.Seat;
    state.GameInProgress = 1;
    state.History = view.History;
}

}  // namespace pipwick
