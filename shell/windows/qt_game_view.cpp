#include "shell/windows/qt_game_view.h"

#include <QScreen>
#include <algorithm>
#include <iterator>

#include "engine/game.h"
#include "model/rules.h"
#include "model/window_widths.h"
#include "shell/access/accessible_views.h"
#include "shell/access/spoken_moves.h"
#include "shell/app/translations.h"
#include "shell/windows/status_popup.h"
#include "shell/windows/window_rects.h"
#include "texts/announcement_texts.h"
#include "texts/game_title.h"
#include "texts/texts.h"

namespace pipwick {

void Windows::ShowNames(const Settings& settings) const {
    human->SetCaption(QString::fromStdString(settings.PlayerNames[kHumanSeat]));
    for (int player = 2; player <= 4; ++player) {
        Opponent(player).SetCaption(QString::fromStdString(settings.PlayerNames[player]));
    }
}

QtGameView::QtGameView(const GameState& state, const Settings& settings, const Geometry& geometry,
                       const Windows& windows, Prompts& prompts, TilePictures& pictures)
    : state_(state),
      settings_(settings),
      geometry_(geometry),
      windows_(windows),
      prompts_(prompts),
      pictures_(pictures),
      sounds_(settings) {}

// With partners the score beside a name is his pair's.
QString QtGameView::Caption(int player) const {
    return QString::asprintf(text::kCaption, ShownScore(state_, player),
                             settings_.PlayerNames[player].c_str());
}

// The human's caption and the table window's title name any game but All Fives alone, so that
// the game under way is in sight all through it.
void QtGameView::ShowCaptions() {
    const QString game = QString::fromStdString(text::GameTitle(state_.Rules));
    windows_.human->SetGame(game);
    for (int player = 1; player <= 4; ++player) {
        const QString caption = Caption(player);
        windows_.Player(player).SetCaption(player == kHumanSeat && !game.isEmpty()
                                               ? Translated(text::kWithGame).arg(caption, game)
                                               : caption);
        windows_.Player(player).SetScore(ShownScore(state_, player));
    }
    const QString title = QString::fromLatin1(text::kAppTitle);
    windows_.table->setWindowTitle(
        game.isEmpty() ? title : Translated(text::kTitleWithGame).arg(title, game));
}

// What the moves tell already is shown only, so that a screen reader says it once. The shuffle
// that starts each hand says which game is played, where it is not All Fives alone.
void QtGameView::Announce(const Announcement& announcement) {
    ShowCaptions();
    lastAnnouncement_ = announcement;
    QString status = AnnouncementStatus(announcement);
    const std::string game = text::GameTitle(state_.Rules);
    if (announcement.kind == AnnouncementKind::kShuffling && !game.empty()) {
        status += QLatin1Char(' ') + QString::fromStdString(game);
    }
    windows_.human->SetStatus(status, !MovesTellIt(announcement));
}

QString QtGameView::AnnouncementStatus(const Announcement& announcement) const {
    const bool handWon = announcement.kind == AnnouncementKind::kDominoes ||
                         announcement.kind == AnnouncementKind::kDominoesScores;
    const int player = announcement.player;
    const int partner = player >= 1 && player <= 4 ? PartnerOf(state_.Rules, player) : player;
    if (!handWon || partner == player) {
        return QString::fromStdString(text::AnnouncementText(announcement, settings_.PlayerNames));
    }
    std::string names[5];
    std::copy(std::begin(settings_.PlayerNames), std::end(settings_.PlayerNames), names);
    names[player] = text::PairName(settings_.PlayerNames[std::min(player, partner)],
                                   settings_.PlayerNames[std::max(player, partner)]);
    return QString::fromStdString(text::AnnouncementText(announcement, names));
}

// The human who leads is told he is down; at any other turn of his, that it is his turn.
void QtGameView::ShowHumansTurn() {
    if (state_.GameInProgress != 1 || !HumansTurn(state_)) {
        return;
    }
    const bool leads =
        lastAnnouncement_.kind == AnnouncementKind::kDown && lastAnnouncement_.player == kHumanSeat;
    const QString turn = AnnouncementStatus(
        leads ? lastAnnouncement_ : Announcement{AnnouncementKind::kTurn, kHumanSeat});
    HumanWindow& human = *windows_.human;
    human.SetStatus(turn, human.News() != turn);
}

void QtGameView::ShowStatus(const char* status) {
    ShowCaptions();
    windows_.human->SetStatus(Translated(status));
}

// The pop-up is placed clear of the tiles on the table, where it can be, so that the last plays
// stay in sight while it is read.
void QtGameView::ShowMessage(Message message, int32_t winner) {
    HumanWindow& human = *windows_.human;
    const QScreen* screen = human.screen();
    const int32_t screenWidth = screen != nullptr ? screen->geometry().width() : 0;
    prompts_.ShowPopup(&human, GamePopupText(message, winner),
                       PopupRectClearOf(human.Outer(), TilesOnScreen(), screenWidth));
}

std::vector<Rect> QtGameView::TilesOnScreen() const {
    std::vector<Rect> tiles;
    for (const auto& arm : state_.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile == kNoTile) {
                break;
            }
            const QPoint topLeft = windows_.table->mapToGlobal(
                QPoint(std::min(record.InnerHalf.left, record.OuterHalf.left),
                       std::min(record.InnerHalf.top, record.OuterHalf.top)));
            const QPoint bottomRight = windows_.table->mapToGlobal(
                QPoint(std::max(record.InnerHalf.right, record.OuterHalf.right),
                       std::max(record.InnerHalf.bottom, record.OuterHalf.bottom)));
            tiles.push_back({topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
        }
    }
    return tiles;
}

// The end of a hand or a game says which game it was, where that is not All Fives alone.
QString QtGameView::GamePopupText(Message message, int32_t winner) const {
    const QString text = PairPopupText(message, winner);
    if (message == Message::kWontPlayThere || text::GameTitle(state_.Rules).empty()) {
        return text;
    }
    const char* game = text::kGameNames[static_cast<int>(state_.Rules.Game)];
    return Translated(text::kPopupOfGame).arg(Translated(game), text.trimmed());
}

// With partners the game's end is told of the winning pair, the human's pair by his partner.
QString QtGameView::PairPopupText(Message message, int32_t winner) const {
    const bool gameOver = message == Message::kHumanWins || message == Message::kComputerWins;
    if (!gameOver || !PlaysInPairs(state_.Rules)) {
        return PopupText(message, settings_.PlayerNames[winner].c_str());
    }
    const auto& names = settings_.PlayerNames;
    const int seat = message == Message::kHumanWins ? kHumanSeat : winner;
    const int partner = PartnerOf(state_.Rules, seat);
    if (ShareScore(state_.Rules, seat, kHumanSeat)) {
        return Translated(text::kHumanPairWins)
            .arg(QString::fromStdString(names[PartnerOf(state_.Rules, kHumanSeat)]));
    }
    const std::string pair =
        text::PairName(names[std::min(seat, partner)], names[std::max(seat, partner)]);
    return Translated(text::kPairWins).arg(QString::fromStdString(pair));
}

void QtGameView::ClearTableAndHands() {
    pictures_.TurnAllFaceDown();
    if (pictures_.Loaded()) {
        pictures_.Drawer().ClearTablePicture(windows_.table->Surface());
    }
    for (int player = 1; player <= 4; ++player) {
        RedrawHand(player);
    }
}

void QtGameView::ResetHandWindows() {
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(state_, player)) {
            PlayerWindow& window = windows_.Player(player);
            window.SetWidth(SevenTileWidth(window.Outer().left, geometry_.ScaleFactor));
        }
    }
}

void QtGameView::HandChanged(int32_t player) {
    const int32_t width = WidthForTiles(HandCount(state_, player), geometry_.ScaleFactor);
    if (width > 0) {
        windows_.Player(player).SetWidth(width);
    } else {
        RedrawHand(player);
    }
}

void QtGameView::ShowWholeState(TableRedraw redraw) {
    pictures_.TurnAllFaceDown();
    windows_.human->CheckPlayerCount(state_.PlayerCount);
    ShowCaptions();
    FitWindowsToHands();
    for (OpponentWindow* window : windows_.opponents) {
        window->ShowFor(state_.PlayerCount);
    }
    SetDrawPassLabel(BonePileEmpty(state_));
    if (redraw == TableRedraw::kSoon) {
        windows_.table->ReloadSoon();
        return;
    }
    RedrawAllTiles();
    RepaintTable();
}

void QtGameView::FitWindowsToHands() {
    for (int player = 1; player <= 4; ++player) {
        PlayerWindow& window = windows_.Player(player);
        window.SetWidth(HandWindowWidthAfterOpening(state_, player, geometry_.ScaleFactor));
    }
}

void QtGameView::RedrawHand(int player) {
    windows_.Player(player).RedrawHand();
}

void QtGameView::SelectionChanged() {
    windows_.human->RedrawHand();
    if (selectionChanged_) {
        selectionChanged_();
    }
}

void QtGameView::SetDrawPassLabel(bool pass) {
    windows_.human->SetDrawPassLabel(pass);
}

// The flight starts where the tile stood in its player's window, in table window pixels.
void QtGameView::TileLeavesHand(int32_t player, const Rect& source, int32_t tile) {
    if (!pictures_.Loaded()) {
        return;
    }
    SurfaceWidget& hand = windows_.Player(player).Hand();
    const QPoint start =
        windows_.table->mapFromGlobal(hand.mapToGlobal(QPoint(source.left, source.top)));
    pictures_.Drawer().TileLeavesHand(windows_.table->Surface(), {start.x(), start.y()},
                                      hand.Surface(), source, tile, hand.BackgroundColour());
}

void QtGameView::TileLands(const PlacedTile& record) {
    if (pictures_.Loaded()) {
        pictures_.Drawer().TileLands(windows_.table->Surface(), record);
    }
    AnnounceItemsChanged(*windows_.table);
}

void QtGameView::RedrawAllTiles() {
    if (pictures_.Loaded()) {
        pictures_.Drawer().RedrawAllTiles(windows_.table->Surface());
    }
}

void QtGameView::RepaintTable() {
    windows_.table->repaint();
}

void QtGameView::ShowTilesFaceUp(int32_t player) {
    pictures_.TurnFaceUp(player);
    RedrawHand(player);
}

}  // namespace pipwick
