#include "texts/announcement_texts.h"

namespace pipwick::text {

namespace {

// "%s" marks where the names go: the announced player first, then the other.
const char* Format(AnnouncementKind kind) {
    switch (kind) {
        case AnnouncementKind::kShuffling:
            return "Shuffling...";
        case AnnouncementKind::kDown:
            return "%s's down";
        case AnnouncementKind::kTurn:
            return "%s's turn";
        case AnnouncementKind::kScores:
            return "%s scores";
        case AnnouncementKind::kDominoes:
            return "%s dominoes.";
        case AnnouncementKind::kDominoesScores:
            return "%s dominoes, scores";
        case AnnouncementKind::kPasses:
            return "%s passes";
        case AnnouncementKind::kHumanPassed:
            return "%s passed.  %s's turn";
        case AnnouncementKind::kGameOver:
            return "Game over";
    }
    return "";
}

const std::string& NameOf(int player, const std::string (&names)[5]) {
    static const std::string kNoName;
    return player >= 1 && player <= 4 ? names[player] : kNoName;
}

}  // namespace

std::string AnnouncementText(const Announcement& announcement, const std::string (&names)[5]) {
    const std::string* fill[2] = {&NameOf(announcement.player, names),
                                  &NameOf(announcement.other, names)};
    std::string text;
    int used = 0;
    for (const char* f = Format(announcement.kind); *f != '\0'; ++f) {
        if (f[0] == '%' && f[1] == 's' && used < 2) {
            text += *fill[used++];
            ++f;
        } else {
            text += *f;
        }
    }
    if (announcement.value != 0) {
        text += ' ';
        text += std::to_string(announcement.value);
    }
    return text;
}

}  // namespace pipwick::text
