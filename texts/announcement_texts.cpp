#include "texts/announcement_texts.h"

#include "texts/translatable.h"
#include "texts/translation.h"

namespace pipwick::text {

namespace {

// %1 is the announced player's name, %2 the other's. When the announcement carries a number,
// it follows the words after a blank.
constexpr const char* kShuffling = PIPWICK_TEXT("Shuffling...");
constexpr const char* kDown = PIPWICK_TEXT("%1's down");
constexpr const char* kTurn = PIPWICK_TEXT("%1's turn");
constexpr const char* kScores = PIPWICK_TEXT("%1 scores");
constexpr const char* kDominoes = PIPWICK_TEXT("%1 dominoes.");
constexpr const char* kDominoesScores = PIPWICK_TEXT("%1 dominoes, scores");
constexpr const char* kPasses = PIPWICK_TEXT("%1 passes");
constexpr const char* kHumanPassed = PIPWICK_TEXT("%1 passed.  %2's turn");
constexpr const char* kMustPlay = PIPWICK_TEXT("A tile fits: in Block you must play it");
constexpr const char* kGameOver = PIPWICK_TEXT("Game over");

const char* Format(AnnouncementKind kind) {
    switch (kind) {
        case AnnouncementKind::kShuffling:
            return kShuffling;
        case AnnouncementKind::kDown:
            return kDown;
        case AnnouncementKind::kTurn:
            return kTurn;
        case AnnouncementKind::kScores:
            return kScores;
        case AnnouncementKind::kDominoes:
            return kDominoes;
        case AnnouncementKind::kDominoesScores:
            return kDominoesScores;
        case AnnouncementKind::kPasses:
            return kPasses;
        case AnnouncementKind::kHumanPassed:
            return kHumanPassed;
        case AnnouncementKind::kMustPlay:
            return kMustPlay;
        case AnnouncementKind::kGameOver:
            return kGameOver;
    }
    return "";
}

const std::string& NameOf(int player, const std::string (&names)[5]) {
    static const std::string kNoName;
    return player >= 1 && player <= 4 ? names[player] : kNoName;
}

}  // namespace

std::string AnnouncementText(const Announcement& announcement, const std::string (&names)[5]) {
    std::string text =
        Fill(Translate(Format(announcement.kind)),
             {NameOf(announcement.player, names), NameOf(announcement.other, names)});
    if (announcement.value != 0) {
        text += ' ';
        text += std::to_string(announcement.value);
    }
    return text;
}

}  // namespace pipwick::text
