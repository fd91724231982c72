#include "shell/access/spoken_moves.h"

#include <algorithm>

#include "engine/game.h"
#include "model/rules.h"
#include "texts/game_title.h"
#include "texts/spoken_texts.h"

namespace pipwick {

SpokenMoves::SpokenMoves(const GameState& state, const Settings& settings,
                         std::function<void(const QString&)> tell)
    : state_(state), settings_(settings), tell_(std::move(tell)) {}

const std::string& SpokenMoves::Name(int player) const {
    static const std::string kNobody;
    return player >= 1 && player <= 4 ? settings_.PlayerNames[player] : kNobody;
}

void SpokenMoves::Tell(const std::string& news) const {
    tell_(QString::fromStdString(news));
}

// The play is complete here: the open ends score what it made, and a lead is the only tile down.
void SpokenMoves::TilePlayed(int player, int armIndex, const PlacedTile& record) {
    const int32_t score = PlayScore(state_);
    int laid = 0;
    for (int arm = 0; arm < kArmCount; ++arm) {
        laid += ArmLength(state_, arm);
    }
    Tell(laid == 1 ? text::LeadNews(Name(player), record.Tile, score)
                   : text::PlayNews(Name(player), record.Tile, armIndex, score));
}

void SpokenMoves::TileDrawn(int player, int32_t tile) {
    Tell(text::DrawNews(Name(player), tile, player == kHumanSeat));
}

void SpokenMoves::Passed(int player) {
    Tell(text::PassNews(Name(player)));
}

void SpokenMoves::HandEnded(int32_t, int winner, int32_t gain) {
    Tell(text::HandOverNews(WinnerName(winner), gain, PlaysInPairs(state_.Rules)));
}

void SpokenMoves::GameEnded(int winner) {
    Tell(text::GameOverNews(WinnerName(winner), PlaysInPairs(state_.Rules)));
}

// With partners a hand or a game is won by a pair, named in seat order.
std::string SpokenMoves::WinnerName(int winner) const {
    const int partner = PartnerOf(state_.Rules, winner);
    if (winner == 0 || partner == winner) {
        return Name(winner);
    }
    return text::PairName(Name(std::min(winner, partner)), Name(std::max(winner, partner)));
}

bool MovesTellIt(const Announcement& announcement) {
    switch (announcement.kind) {
        case AnnouncementKind::kShuffling:
            return false;
        case AnnouncementKind::kDown:
        case AnnouncementKind::kTurn:
            return announcement.player != kHumanSeat;
        default:
            return true;
    }
}

}  // namespace pipwick
