#pragma once

#include <cstdint>

namespace pipwick {

// What the status line reports. The engine names the event and its players; the front end puts
// it in words.
enum class AnnouncementKind : int32_t {
    kShuffling,
    kDown,            // player leads the hand
    kTurn,            // player is to play
    kScores,          // player scores value points at the open ends
    kDominoes,        // player went out and scores nothing
    kDominoesScores,  // player went out or won the blocked hand and scores value
    kPasses,          // a computer player, player, passes
    kHumanPassed,     // the human, player, passed and other is to play
    kMustPlay,        // the human, player, may not pass: a tile of his fits
    kGameOver,
};

struct Announcement {
    AnnouncementKind kind = AnnouncementKind::kShuffling;
    int player = 0;
    int other = 0;
    // Shown after the words when it is not 0.
    int32_t value = 0;

    bool operator==(const Announcement&) const = default;
};

}  // namespace pipwick
