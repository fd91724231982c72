#include "shell/access/spoken_moves.h"

#include "texts/spoken_texts.h"

namespace pipwick {

SpokenMoves::SpokenMoves(const Settings& settings, std::function<void(const QString&)> tell)
    : settings_(settings), tell_(std::move(tell)) {}

const std::string& SpokenMoves::Name(int player) const {
    static const std::string kNobody;
    return player >= 1 && player <= 4 ? settings_.PlayerNames[player] : kNobody;
}

void SpokenMoves::TilePlayed(int player, int armIndex, const PlacedTile& record) {
    const std::string news = leadNext_ ? text::LeadNews(Name(player), record.Tile)
                                       : text::PlayNews(Name(player), record.Tile, armIndex);
    leadNext_ = false;
    tell_(QString::fromStdString(news));
}

void SpokenMoves::TileDrawn(int player, int32_t tile) {
    tell_(QString::fromStdString(text::DrawNews(Name(player), tile, player == kHumanSeat)));
}

void SpokenMoves::HandEnded(int32_t, int, int32_t) {
    tell_(QString::fromStdString(text::HandOverNews()));
}

}  // namespace pipwick
