#include "shell/access/accessible_game.h"

#include "engine/trial_play.h"
#include "shell/access/accessible_views.h"
#include "shell/access/shown_windows.h"
#include "texts/spoken_texts.h"

namespace pipwick {

namespace {

QRect ToQRect(const Rect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

QString Words(const std::string& words) {
    return QString::fromStdString(words);
}

std::vector<int> OpenEnds(const GameState& state) {
    std::vector<int> arms;
    if (state.GameInProgress != 1 || TableIsEmpty(state)) {
        return arms;
    }
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (!state.ArmDropRect[arm].IsEmpty() && state.ArmOpenPip[arm] != kNoPip) {
            arms.push_back(arm);
        }
    }
    return arms;
}

// The tile at an arm's end: its last, or the centre tile while the arm has none.
int32_t EndTile(const GameState& state, int arm) {
    const int length = ArmLength(state, arm);
    return length > 0 ? state.Arm[arm][length - 1].Tile : state.Arm[0][0].Tile;
}

}  // namespace

int OpenEndIndex(const GameState& state, int arm) {
    const std::vector<int> arms = OpenEnds(state);
    for (size_t i = 0; i < arms.size(); ++i) {
        if (arms[i] == arm) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

AccessibleGame::AccessibleGame(const GameState& state, const Geometry& geometry,
                               const Settings& settings, const Windows& windows,
                               const TilePictures& pictures, const HandKeys& keys)
    : state_(state),
      geometry_(geometry),
      windows_(windows),
      pictures_(pictures),
      keys_(keys),
      spokenMoves_(state, settings, [this](const QString& news) { windows_.human->Tell(news); }) {
    ShowOnlyShownWindowsToAssistiveTechnologies();
    DescribeHumanHand();
    DescribeOpponentHands();
    DescribeTable();
}

void AccessibleGame::DescribeHumanHand() {
    ProvideAccessibleView(
        windows_.human->Hand(),
        {QAccessible::List,
         [] { return QString::fromLatin1(text::kHandName); },
         {},
         [this] {
             std::vector<AccessibleItem> items;
             const bool focusShown = windows_.human->Hand().hasFocus();
             for (int slot = 0; slot < HandCount(state_, kHumanSeat); ++slot) {
                 const int32_t tile = state_.Hand[kHumanSeat][slot];
                 items.push_back({Words(text::TileWords(tile)),
                                  ToQRect(geometry_.HandSlotRect[slot]), QAccessible::ListItem,
                                  focusShown && keys_.FocusSlot() == slot,
                                  tile == state_.SelectedTile});
             }
             return items;
         }});
}

void AccessibleGame::DescribeOpponentHands() {
    for (int player = 2; player <= 4; ++player) {
        OpponentWindow& window = windows_.Opponent(player);
        ProvideAccessibleView(
            window, {QAccessible::List, {}, {}, [this, player, &window] {
                         std::vector<AccessibleItem> items;
                         const int count = std::min(HandCount(state_, player), window.SlotCount());
                         for (int slot = 0; slot < count; ++slot) {
                             const int32_t tile = state_.Hand[player][slot];
                             const QString name = pictures_.FaceUp(player)
                                                      ? Words(text::TileWords(tile))
                                                      : QString::fromLatin1(text::kFaceDown);
                             items.push_back({name, ToQRect(geometry_.OpponentSlotRect[slot])});
                         }
                         return items;
                     }});
    }
}

void AccessibleGame::DescribeTable() {
    ProvideAccessibleView(
        *windows_.table,
        {QAccessible::Pane,
         [] { return QString::fromLatin1(text::kTableName); },
         {},
         [this] {
             std::vector<AccessibleItem> items;
             const bool holding = keys_.Holding();
             const int chosen = keys_.ChosenArm();
             for (const int arm : OpenEnds(state_)) {
                 std::string name =
                     text::EndWords(arm, state_.ArmOpenPip[arm], IsDouble(EndTile(state_, arm)));
                 if (holding) {
                     const TrialPlay play =
                         TryHumanPlay(state_, geometry_, state_.SelectedTile, arm);
                     name += text::EndPlayWords(play.accepted, play.score);
                 }
                 items.push_back({Words(name), ToQRect(state_.ArmDropRect[arm]),
                                  QAccessible::ListItem, false, arm == chosen});
             }
             for (int arm = 0; arm < kArmCount; ++arm) {
                 for (int i = 0; i < ArmLength(state_, arm); ++i) {
                     const PlacedTile& placed = state_.Arm[arm][i];
                     items.push_back({Words(text::TileWords(placed.Tile)),
                                      ToQRect(Union(placed.InnerHalf, placed.OuterHalf)),
                                      QAccessible::Graphic});
                 }
             }
             return items;
         }});
}

}  // namespace pipwick
