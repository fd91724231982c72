#pragma once

#include <cstdint>
#include <vector>

#include "engine/clock.h"
#include "engine/game.h"
#include "engine/game_settings.h"
#include "engine/seats.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "network/chair_news.h"
#include "network/news_writer.h"

namespace pipwick {

// How a table is laid: the number of chairs, the game and the computer players' levels as the
// preferences give them, and who sits in each chair.
struct TableSetup {
    int32_t Players = 2;
    GameSettings Settings;
    Seats People;
};

// A chair's move: Draw/Pass, or the tile it lays on an arm (any arm leads on an empty table).
struct ChairMove {
    bool drawOrPass = false;
    int32_t tile = kNoTile;
    int arm = 0;
    friend bool operator==(const ChairMove&, const ChairMove&) = default;
};

// The answer to a chair's move: taken, or why it was refused (and nothing changed).
enum class MoveVerdict : int32_t {
    kTaken,
    kNoGame,       // no game is under way
    kNotYourTurn,  // another seat is to play, or the seat is no person's
    kNotYourTile,  // the tile is not in the chair's hand
    kNoSuchArm,    // the arm is none of 0..3
    kDoesNotFit,   // the tile shows no pip that end asks for
    kMustPlay,     // a pass where the game makes a player who can play play
};

// One table of the server: the only holder of its game. It runs the same engine as the
// one-person game, takes each chair's move after checking it, lets the computer players in the
// other seats move, and writes each chair the news that chair may see.
class ServerTable {
  public:
    ServerTable(const TableSetup& setup, Clock& clock, SeedSource& seeds);
    ServerTable(const ServerTable&) = delete;
    ServerTable& operator=(const ServerTable&) = delete;

    // Deals the first hand of a new game; the computer players move until a person is to play.
    void NewGame();
    MoveVerdict Move(int seat, const ChairMove& move);
    // What seat has to learn since the last call.
    std::vector<ChairNews> TakeNews(int seat) { return news_.Take(seat); }
    // Every move of the table from now on also goes to trace (the simulator's trace, say).
    void RecordTo(PlayLog& trace) { news_.PassOnTo(&trace); }

    // A person's connection is lost: he keeps his chair, and a computer player at Advanced plays
    // it, at once when it is his turn, until he is back. False for a seat that is no person's.
    bool StandIn(int seat);
    // He is back, his hand as the stand-in left it. False for a seat nobody stands in for.
    bool Return(int seat);
    // All seat has been told this game, for a player who is back.
    const std::vector<ChairNews>& Told(int seat) const { return news_.Told(seat); }

    // Whose turn it is (0 when no game is under way) and the table's people.
    int ToPlay() const;
    const Seats& People() const { return game_.SeatedPlayers(); }
    // The whole game, hidden tiles included: the server's own, never sent to a chair.
    const GameState& State() const { return state_; }

  private:
    MoveVerdict Check(int seat, const ChairMove& move) const;
    void Reseat(int seat, Controller controller);

    GameState state_;
    GameSettings settings_;
    Geometry geometry_;
    SilentView view_;
    bool standIn_[5] = {};
    ChairNewsWriter news_;
    Game game_;
};

}  // namespace pipwick
