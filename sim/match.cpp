#include "sim/match.h"

#include "ai/computer_player.h"
#include "savegame/open_saved_game.h"
#include "savegame/saved_game_file.h"

namespace pipwick {

namespace {

// Far more than any game needs: a hand takes at most 7 plays and 14 draws of the human.
constexpr int kMaxHumanMoves = 100000;

}  // namespace

Match::Match(int32_t players, const int32_t (&levels)[5], double scale, uint64_t seed)
    : geometry_(MakeGeometry(scale, Scaled(640, scale), Scaled(480, scale))),
      seeds_(seed),
      game_(state_, settings_, geometry_, view_, clock_, seeds_) {
    ResetGameState(state_);
    state_.PlayerCount = players;
    for (int seat = 1; seat <= 4; ++seat) {
        settings_.PlayerLevel[seat] = levels[seat];
    }
    settings_.PlayDelay = 0;
}

std::optional<std::string> Match::DrawTable(int32_t dominoSet, const ResourceSource& source) {
    auto drawing = std::make_unique<SnapshotView>(state_, settings_, geometry_, clock_);
    if (auto error = drawing->LoadSet(dominoSet, source)) {
        return error;
    }
    drawing_ = std::move(drawing);
    game_.ShowOn(*drawing_);
    return std::nullopt;
}

Canvas Match::FirstHandPicture() const {
    return drawing_ ? drawing_->FirstHandEnd() : Canvas();
}

bool Match::PlayGame(PlayLog& log) {
    StartGame(log);
    return PlayUntilEnd(false);
}

bool Match::PlayFirstHand(PlayLog& log) {
    StartGame(log);
    return PlayUntilEnd(true);
}

SavedGameError Match::OpenGame(std::span<const uint8_t> bytes) {
    return OpenSavedGame(bytes, geometry_, state_);
}

SavedGameError Match::OpenGameFile(const std::filesystem::path& path) {
    return OpenSavedGameFile(path, geometry_, state_);
}

bool Match::PlayOn(PlayLog& log) {
    game_.RecordTo(log);
    return PlayUntilEnd(false);
}

void Match::StartGame(PlayLog& log) {
    game_.RecordTo(log);
    game_.NewGame();
}

bool Match::PlayUntilEnd(bool firstHandOnly) {
    for (int moves = 0; state_.GameInProgress == 1; ++moves) {
        if (firstHandOnly && drawing_ && drawing_->FirstHandEnded()) {
            return true;
        }
        if (moves == kMaxHumanMoves) {
            return false;
        }
        SeatOneMoves();
    }
    return true;
}

// One move of seat 1 as a player at the window would make it.
void Match::SeatOneMoves() {
    MakeHumanPlay(game_, game_.ChooseComputerMove(kHumanSeat));
}

}  // namespace pipwick
