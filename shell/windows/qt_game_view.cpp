#include "shell/windows/qt_game_view.h"

#include "model/window_widths.h"
#include "shell/access/accessible_views.h"
#include "shell/access/spoken_moves.h"
#include "shell/windows/status_popup.h"
#include "shell/windows/window_rects.h"
#include "texts/announcement_texts.h"
#include "texts/texts.h"

namespace pipwick {

QtGameView::QtGameView(const GameState& state, const Settings& settings, const Geometry& geometry,
                       const Windows& windows, Prompts& prompts, TilePictures& pictures)
    : state_(state),
      settings_(settings),
      geometry_(geometry),
      windows_(windows),
      prompts_(prompts),
      pictures_(pictures),
      sounds_(settings) {}

QString QtGameView::Caption(int player) const {
    return QString::asprintf(text::kCaption, state_.Scores[player],
                             settings_.PlayerNames[player].c_str());
}

void QtGameView::ShowCaptions() {
    for (int player = 1; player <= 4; ++player) {
        windows_.Player(player).SetCaption(Caption(player));
        windows_.Player(player).SetScore(state_.Scores[player]);
    }
}

// What the moves tell already is shown only, so that a screen reader says it once.
void QtGameView::Announce(const Announcement& announcement) {
    ShowCaptions();
    windows_.human->SetStatus(
        QString::fromStdString(text::AnnouncementText(announcement, settings_.PlayerNames)),
        !MovesTellIt(announcement));
}

void QtGameView::ShowStatus(const char* status) {
    ShowCaptions();
    windows_.human->SetStatus(QString::fromUtf8(status));
}

void QtGameView::ShowMessage(Message message, const char* winner) {
    HumanWindow& human = *windows_.human;
    prompts_.ShowPopup(&human, PopupText(message, winner), PopupRect(human.Outer()));
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
        const Rect outer = window.Outer();
        window.SetWidth(HandWindowWidthAfterOpening(state_, player, geometry_.ScaleFactor,
                                                    outer.right - outer.left));
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
