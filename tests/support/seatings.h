#pragma once

#include <initializer_list>

#include "engine/seats.h"

namespace pipwick {

// A table where the given seats are people and every other seat is a computer player.
inline Seats PeopleAt(std::initializer_list<int> people) {
    Seats seats;
    for (int seat = 1; seat <= 4; ++seat) {
        seats.Of[seat] = Controller::kComputer;
    }
    for (int seat : people) {
        seats.Of[seat] = Controller::kPerson;
    }
    return seats;
}

}  // namespace pipwick
