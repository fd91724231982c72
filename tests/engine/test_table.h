#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "engine/board_layout.h"
#include "engine/game.h"
#include "tests/engine/game_steps.h"
#include "tests/support/recording_clock.h"
#include "texts/announcement_texts.h"

namespace pipwick {

// A view that writes down what the game asked it to show, one line per call.
class RecordingView : public GameView {
  public:
    std::vector<std::string> events;

    // The status line as the windows would show it, with the names of the game's settings.
    const Settings* settings = nullptr;

    void Announce(const Announcement& announcement) override {
        static const Settings kDefaults;
        Add("announce",
            text::AnnouncementText(announcement, (settings ? *settings : kDefaults).PlayerNames));
    }
    void ShowMessage(Message message, const char* winner) override {
        Add("message", std::to_string(static_cast<int>(message)), winner != nullptr ? winner : "");
    }
    void ClearTableAndHands() override { Add("clear"); }
    void ResetHandWindows() override { Add("reset windows"); }
    void HandChanged(int32_t player) override { Add("hand", std::to_string(player)); }
    void SelectionChanged() override { Add("selection"); }
    void SetDrawPassLabel(bool pass) override { Add("label", pass ? "P&ass" : "Dr&aw"); }
    void TileLeavesHand(int32_t player, const Rect&, int32_t tile) override {
        Add("leaves", std::to_string(player), std::to_string(tile));
    }
    void TileLands(const PlacedTile& record) override { Add("lands", std::to_string(record.Tile)); }
    void RedrawAllTiles() override { Add("redraw"); }
    void RepaintTable() override { Add("repaint"); }
    void ShowTilesFaceUp(int32_t player) override { Add("face up", std::to_string(player)); }
    void SoundFor(SoundEvent event, int32_t player) override {
        static const char* const kEvents[] = {"shuffle", "drawn", "passes", "out"};
        Add("sound", kEvents[static_cast<int>(event)], player != 0 ? std::to_string(player) : "");
    }

    // The recorded lines that start with prefix, in order.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& e : events) {
            if (e.rfind(prefix, 0) == 0) {
                lines.push_back(e);
            }
        }
        return lines;
    }

  private:
    // One line: the words separated by single spaces, empty words left out.
    void Add(const std::string& what, const std::string& first = "",
             const std::string& second = "") {
        std::string line = what;
        for (const std::string* word : {&first, &second}) {
            if (!word->empty()) {
                line += ' ';
                line += *word;
            }
        }
        events.push_back(line);
    }
};

class FixedSeed : public SeedSource {
  public:
    uint32_t seed = 7;
    uint32_t DealSeed() override { return seed; }
};

// A game at scale 1.0 with recording view and clock, no delay unless a test sets one.
struct TestTable {
    GameState state;
    Settings settings;
    Geometry geometry = MakeGeometry(1.0, 1024, 768);
    RecordingView view;
    RecordingClock clock;
    FixedSeed seeds;
    Game game{state, settings, geometry, view, clock, seeds};
    GameSteps steps{game};

    explicit TestTable(int players = 2) {
        view.settings = &settings;
        ResetGameState(state);
        state.PlayerCount = players;
        settings.PlayDelay = 0;
    }

    // A hand in progress: the given tiles in hand, the human to play, nothing on the table.
    void Hand(int player, std::initializer_list<int32_t> tiles) {
        int slot = 0;
        for (int32_t& entry : state.Hand[player]) {
            entry = kNoTile;
        }
        for (int32_t tile : tiles) {
            state.Hand[player][slot++] = tile;
        }
    }

    void StartEmptyHand(int leader = 1) {
        state.GameInProgress = 1;
        state.CurrentPlayer = leader;
        state.BonePileNext = kDeckSize;
        state.SelectedTile = kNoSelection;
        ResetLayout(state, geometry);
    }

    // Plays tile on arm (0..3) as a computer player would, without the rule check.
    void Lay(int arm, int32_t tile) { steps.PlaceTile(2, Rect{}, tile, arm + 1); }
};

inline int32_t T(int a, int b) {
    return TileWithPips(a, b);
}

inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

}  // namespace pipwick
