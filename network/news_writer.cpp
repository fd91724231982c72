#include "network/news_writer.h"

#include <algorithm>
#include <utility>

namespace pipwick {

std::vector<ChairNews> ChairNewsWriter::Take(int seat) {
    if (seat < 1 || seat > 4) {
        return {};
    }
    return std::exchange(news_[seat], {});
}

const std::vector<ChairNews>& ChairNewsWriter::Told(int seat) const {
    return told_[seat >= 1 && seat <= 4 ? seat : 0];
}

void ChairNewsWriter::ToChair(int seat, const ChairNews& news) {
    news_[seat].push_back(news);
    told_[seat].push_back(news);
}

void ChairNewsWriter::ToEveryChair(const ChairNews& news) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (TakesPart(state_, seat)) {
            ToChair(seat, news);
        }
    }
}

namespace {

ChairNews Item(NewsKind kind, int seat, int arm = 0, int32_t tile = kNoTile) {
    ChairNews news;
    news.kind = kind;
    news.seat = seat;
    news.arm = arm;
    news.tile = tile;
    return news;
}

}  // namespace

// An item that tells how many tiles every hand holds.
ChairNews ChairNewsWriter::Counted(NewsKind kind, int seat) const {
    ChairNews news = Item(kind, seat);
    for (int player = 1; player <= 4; ++player) {
        news.counts[player] = TakesPart(state_, player) ? HandCount(state_, player) : 0;
    }
    return news;
}

void ChairNewsWriter::StandInChanged(int seat, bool standingIn) {
    ToEveryChair(Item(standingIn ? NewsKind::kStandIn : NewsKind::kReturned, seat));
}

// A new game starts what a returning player is told afresh.
void ChairNewsWriter::GameStarted() {
    for (std::vector<ChairNews>& told : told_) {
        told.clear();
    }
    ChairNews news = Item(NewsKind::kGameStarted, 0);
    news.rules = state_.Rules;
    ToEveryChair(news);
    trace_->GameStarted();
}

// Each chair is dealt his own tiles and sees only how many the others were dealt.
void ChairNewsWriter::HandStarted() {
    for (int seat = 1; seat <= 4; ++seat) {
        if (TakesPart(state_, seat)) {
            ChairNews news = Counted(NewsKind::kHandDealt, state_.CurrentPlayer);
            std::copy(std::begin(state_.Hand[seat]), std::end(state_.Hand[seat]), news.hands[seat]);
            ToChair(seat, news);
        }
    }
    trace_->HandStarted();
}

void ChairNewsWriter::TileLaid(int player, int armIndex, int32_t tile) {
    ToEveryChair(Item(NewsKind::kTileLaid, player, armIndex, tile));
    trace_->TileLaid(player, armIndex, tile);
}

// The play as it lies after re-rooting follows from the move: the chairs need no more.
void ChairNewsWriter::TilePlayed(int player, int armIndex, const PlacedTile& record) {
    trace_->TilePlayed(player, armIndex, record);
}

void ChairNewsWriter::PlayScored(int player, int32_t points) {
    ChairNews news = Item(NewsKind::kPlayScored, player);
    news.points = points;
    ToEveryChair(news);
    trace_->PlayScored(player, points);
}

// Only the drawer learns the tile drawn.
void ChairNewsWriter::TileDrawn(int player, int32_t tile) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (TakesPart(state_, seat)) {
            ToChair(seat, Item(NewsKind::kTileDrawn, player, 0, seat == player ? tile : kNoTile));
        }
    }
    trace_->TileDrawn(player, tile);
}

void ChairNewsWriter::Passed(int player) {
    ToEveryChair(Item(NewsKind::kPassed, player));
    trace_->Passed(player);
}

// Every hand is turned face up: the tiles left are shown to every chair.
void ChairNewsWriter::HandEnded(int32_t points, int winner, int32_t gain) {
    ChairNews news = Counted(NewsKind::kHandEnded, winner);
    news.points = gain;
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(state_, player)) {
            std::copy(std::begin(state_.Hand[player]), std::end(state_.Hand[player]),
                      news.hands[player]);
        }
    }
    ToEveryChair(news);
    trace_->HandEnded(points, winner, gain);
}

void ChairNewsWriter::GameEnded(int winner) {
    ToEveryChair(Item(NewsKind::kGameEnded, winner));
    trace_->GameEnded(winner);
}

}  // namespace pipwick
