#include "engine/game.h"

#include <cstddef>

namespace pipwick {

Game::Game(GameState& state, const Settings& settings, const Geometry& geometry, GameView& view,
           Clock& clock, SeedSource& seeds)
    : state_(state),
      settings_(settings),
      geometry_(geometry),
      view_(&view),
      clock_(clock),
      seeds_(seeds) {}

const char* Game::Name(int player) const {
    return settings_.PlayerNames[player].c_str();
}

void Game::Announce(const char* text, int32_t value) {
    view_->Announce(text, value);
}

namespace {

// Puts the names in place of the format's "%s" marks, in order. Names are at most 14 characters
// and the formats short, so the text always fits; it is cut rather than overrun all the same.
// This runs for every move, so it avoids the general formatter.
void FillInNames(char (&text)[96], const char* format, const char* first, const char* second) {
    const char* names[2] = {first, second};
    int used = 0;
    size_t n = 0;
    for (const char* f = format; *f != '\0' && n + 1 < sizeof text; ++f) {
        if (f[0] == '%' && f[1] == 's' && used < 2) {
            for (const char* c = names[used++]; *c != '\0' && n + 1 < sizeof text; ++c) {
                text[n++] = *c;
            }
            ++f;
        } else {
            text[n++] = *f;
        }
    }
    text[n] = '\0';
}

}  // namespace

void Game::AnnounceWithName(const char* format, int player, int32_t value) {
    char text[96];
    FillInNames(text, format, Name(player), "");
    view_->Announce(text, value);
}

void Game::AnnounceWithNames(const char* format, int first, int second) {
    char text[96];
    FillInNames(text, format, Name(first), Name(second));
    view_->Announce(text, 0);
}

}  // namespace pipwick
