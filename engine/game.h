#pragma once

#include <cstdint>
#include <utility>

#include "ai/computer_player.h"
#include "engine/clock.h"
#include "engine/game_settings.h"
#include "engine/game_view.h"
#include "engine/play_log.h"
#include "engine/seats.h"
#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

struct TrialPlay;

// The rules of the game as operations on the one GameState, named after the rules and keeping
// their steps in order. Every window effect goes through the GameView and every pause through the
// Clock, so the same code runs behind the windows, in the simulator and in the tests.
//
// A front end gives the commands below and reads the queries; the rule steps they run are
// private. A trial play on a copy of the state lays its tile through the placing step, and tests
// take single steps through GameSteps.
class Game {
  public:
    Game(GameState& state, const GameSettings& settings, const Geometry& geometry, GameView& view,
         Clock& clock, SeedSource& seeds);

    // A new game: scores back to 0 and the first hand dealt, the human leading.
    void NewGame();

    // The human's actions, as his windows deliver them.
    // A click on the tile in hand slot: leads it on an empty table, else picks it up.
    void HumanClicksHandTile(int slot);
    // A click in the table window on arm index 0..3's drop area with a tile picked up.
    void HumanPlaysOnArm(int armIndex);
    // The Draw/Pass command.
    void HumanDrawsOrPasses();
    // Picks up the tile in slot (0..20); a slot of 22 or more only drops the selection.
    void SelectHandTile(int slot);
    // The game's side of a change of the number of players: a running game starts anew.
    void ChangePlayerCount(int count);

    // Who acts for each seat from now on. The turns run on through the computer players' seats
    // and stop at a person's, so a computer player now in the seat to play moves at once. Until
    // told otherwise a game is the one-person game.
    void SeatPlayers(const Seats& seats);
    const Seats& SeatedPlayers() const { return seats_; }

    // A person's moves at any seat, as a table that seats several people delivers them. Each is
    // refused (false, and nothing changes) unless it is a person's seat whose turn it is; a play
    // also when the slot holds no tile, the arm is none of 0..3 or the tile does not fit there.
    // On an empty table any arm leads.
    bool PersonPlays(int seat, int slot, int armIndex);
    bool PersonDrawsOrPasses(int seat);

    // Trying a move out: player makes play, then every seat plays its turns as a computer player
    // until the hand or the game ends, player's own as the look-ahead's (ChooseLookAheadPlay)
    // and the others' at their levels. The next hand is not dealt.
    void PlayOutHand(int player, const Play& play);

    // Keeps a record of every move in log from now on.
    void RecordTo(PlayLog& log) { log_ = &log; }
    // Shows the game through view from now on.
    void ShowOn(GameView& view) { view_ = &view; }
    // Deals every hand from seeds from now on; answers the source it dealt from until now.
    SeedSource& DealFrom(SeedSource& seeds) { return *std::exchange(seeds_, &seeds); }

    // What the computer player in player's seat, at that seat's level, plays now. It only looks.
    Play ChooseComputerMove(int player) const;

    const GameState& State() const { return state_; }
    const Geometry& Layout() const { return geometry_; }

  private:
    friend class GameSteps;
    friend TrialPlay TryHumanPlay(const GameState& state, const Geometry& geometry, int32_t tile,
                                  int armIndex);

    // The deal and the start of each hand.
    void StartHand();
    void ShuffleAndDeal();
    void FillDeckByRejection(RandomGenerator& random);
    void DealCycles();

    // Laying tiles. arm is 1..4 (arm index + 1). False when the tile was refused.
    bool PlaceTile(int player, const Rect& source, int32_t tile, int arm);
    void PlaceFirstTile(int32_t tile);
    // The arm holds length tiles before this one.
    void PlaceOnArm(int arm, int length, int32_t tile);
    void RerootAtSpinner(int32_t tile);
    void RelayRecord(int arm, int index, const PlacedTile& copy);
    // True while play goes on, false when the hand or the game has ended.
    bool AfterPlay(int player);
    void CloseUpHand(int player);
    void OpenSideArmsOrSettleSpinner();

    // Turns.
    bool PersonsTurn(int seat) const;
    bool PlayFromHand(int seat, int slot, int armIndex);
    void RunComputerTurns();
    void DrawOrPass(int player);
    void PersonPasses(int seat);
    void Draw(int player);
    void ComputerTurn(int player);
    void ComputerPlays(int player, const Play& play);
    void ComputerPasses(int player);

    // The end of a hand and of the game.
    void EndHand(int32_t points);
    void AwardTwoPlayerHand(int32_t points, const int32_t (&pips)[5]);
    void AwardHand(int32_t points, const int32_t (&pips)[5]);
    void GameOver();

    GameState& state_;
    const GameSettings& settings_;
    const Geometry& geometry_;
    GameView* view_;
    Clock& clock_;
    SeedSource* seeds_;
    PlayLog noLog_;
    PlayLog* log_ = &noLog_;
    Seats seats_;
    // Set while a hand is played out: its end stops play instead of dealing the next.
    bool playingOut_ = false;
    bool handOver_ = false;
    // The seat whose move a hand played out tries.
    int playOutSeat_ = 0;
};

// Makes play at the human's seat the way a player at the windows would: a click on the tile
// (which leads it on an empty table and otherwise picks it up), then on the arm; with no tile to
// play, Draw/Pass. The simulator and the tests drive the human's seat through this.
void MakeHumanPlay(Game& game, const Play& play);

// The sum of the open ends now: each arm's outer pip, both halves of a double; 0 on an empty table.
int32_t OpenEndTotal(const GameState& state);
// What the play just made scores: what the open ends' sum is worth in the game under way.
int32_t PlayScore(const GameState& state);

// The pips left in the hands rounded to the nearest multiple (of 5: remainders 1 and 2 down, 3
// and 4 up; of 1: as they are).
int32_t RoundPips(int32_t pips, int32_t multiple);

// The winner of a finished game. A human who only ties for the top does not win; among the
// computer players the lowest-numbered of those with the highest score wins.
int GameWinner(const GameState& state);

// Whether the human may act: a game is under way and it is his turn. Every command of his
// windows asks this first.
bool HumansTurn(const GameState& state);

// The arm index (0..3) whose drop area contains the point, tested in the order 0, 2, 1, 3; -1 when
// none does.
int DropArmAt(const GameState& state, int32_t x, int32_t y);

}  // namespace pipwick
