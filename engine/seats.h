#pragma once

#include <cstdint>

namespace pipwick {

// Who acts for a seat: a person through the game's commands, or a computer player at the seat's
// level in the settings.
enum class Controller : int32_t {
    kComputer,
    kPerson,
};

// The controller of each seat 1..4 (entry 0 unused). The default is the one-person game: the
// human in seat 1, computer players in the others.
struct Seats {
    Controller Of[5] = {Controller::kComputer, Controller::kPerson, Controller::kComputer,
                        Controller::kComputer, Controller::kComputer};
    friend bool operator==(const Seats&, const Seats&) = default;
};

constexpr bool IsPerson(const Seats& seats, int seat) {
    return seat >= 1 && seat <= 4 && seats.Of[seat] == Controller::kPerson;
}

}  // namespace pipwick
