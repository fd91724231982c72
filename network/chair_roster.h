#pragma once

#include <string>
#include <string_view>

#include "engine/seats.h"
#include "model/game_state.h"

namespace pipwick {

// How a player who says hello is seated.
enum class Seating {
    kSeated,     // he took the first free person's chair
    kBack,       // he had lost his connection and has his own chair again
    kNameTaken,  // a player of that name is at the table now
    kTableFull,  // every person's chair is held
};

struct ChairGiven {
    Seating seating = Seating::kTableFull;
    int seat = 0;
};

// Who holds each person's chair of one table, by name. A player takes the first free chair; one
// who lost his connection during a game keeps it under his name and gets it back by giving the
// same name again, so nobody else can take his hand.
class ChairRoster {
  public:
    ChairRoster(const Seats& people, int players);

    ChairGiven Sit(std::string_view name);
    // seat's connection is lost. During a game the chair stays his; before one it is free again.
    void Leave(int seat, bool gameUnderWay);
    // Every chair is free again, for the next table.
    void Clear();

    // Every person's chair is held by a connected player.
    bool Full() const;
    // Nobody is connected.
    bool Empty() const;
    bool Connected(int seat) const { return InRange(seat) && connected_[seat]; }
    const std::string& NameAt(int seat) const;

  private:
    bool InRange(int seat) const { return TakesPart(players_, seat); }
    bool PersonsChair(int seat) const { return InRange(seat) && IsPerson(people_, seat); }

    Seats people_;
    int players_;
    std::string names_[5];
    bool connected_[5] = {};
};

}  // namespace pipwick
