#pragma once

#include <cstdint>
#include <string>

namespace pipwick::text {

// The words a screen reader says for what the windows show: tiles by their pips, the open ends of
// the line of play, and the moves of the game as they happen. Player names are put in as they
// are, never read as a format.

constexpr const char* kFaceDown = "face down";
constexpr const char* kTableName = "Table";
constexpr const char* kHandName = "Your tiles";
constexpr const char* kStatusName = "Status";
// The keys of the hand, as its tooltip lists them.
constexpr const char* kHandKeys =
    "Left, Right, Home, End: move between your tiles\n"
    "Space or Enter: pick up the tile (or lead it), then play it\n"
    "With a tile picked up, the arrow keys or 1-4 choose the end\n"
    "  (1 right, 2 top, 3 left, 4 bottom)\n"
    "Escape: put the tile down    Ctrl+A: draw or pass\n"
    "H: hint    Ctrl+Z: undo";
// Between the names of the tiles or ends of a list, as its description reads them all.
constexpr const char* kItemSeparator = ", ";
// A control of one player's setting: %1 the player's name, %2 the control's own words.
constexpr const char* kWhoseSetting = "%1: %2";
// The status line when the picked-up tile fits no open end; %1 is the tile as "6-4".
constexpr const char* kFitsNoEnd = "%1 fits no end";

// "blank", "one" ... "six"; an empty string outside 0..6.
std::string PipWords(int32_t pip);

// A tile by its pips, the higher first: "six-four", "double blank"; empty for no tile.
std::string TileWords(int32_t tile);

// An open end of arm 0..3 by the side of the centre tile it leaves from and the pip it shows:
// "right end: four", or "right end: double four" when a double lies at the end.
std::string EndWords(int arm, int32_t pip, bool doubleAtEnd);

// What laying the picked-up tile on an end would do: ", scores 10", ", scores nothing", or
// ", does not fit".
std::string EndPlayWords(bool fits, int32_t score);

// The moves of the game as news, each said once as it happens: "TopGun leads six-four, scores
// 10", "TopGun plays six-four on the right end" (", scores 10" when the open ends then score),
// "TopGun draws a tile" (the tile's pips when shown is true), "TopGun passes", "The hand is
// over: TopGun wins 15" ("nobody wins" for a shared count), "The game is over: TopGun wins".
std::string LeadNews(const std::string& player, int32_t tile, int32_t score);
std::string PlayNews(const std::string& player, int32_t tile, int arm, int32_t score);
std::string DrawNews(const std::string& player, int32_t tile, bool shown);
std::string PassNews(const std::string& player);
// winner is empty when nobody won the hand's pips.
std::string HandOverNews(const std::string& winner, int32_t gain);
std::string GameOverNews(const std::string& winner);

}  // namespace pipwick::text
