#include "network/chair_roster.h"

namespace pipwick {

ChairRoster::ChairRoster(const Seats& people, int players) : people_(people), players_(players) {}

ChairGiven ChairRoster::Sit(std::string_view name) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (PersonsChair(seat) && names_[seat] == name) {
            if (connected_[seat]) {
                return {Seating::kNameTaken, seat};
            }
            connected_[seat] = true;
            return {Seating::kBack, seat};
        }
    }
    for (int seat = 1; seat <= 4; ++seat) {
        if (PersonsChair(seat) && names_[seat].empty()) {
            names_[seat] = name;
            connected_[seat] = true;
            return {Seating::kSeated, seat};
        }
    }
    return {Seating::kTableFull, 0};
}

void ChairRoster::Leave(int seat, bool gameUnderWay) {
    if (!InRange(seat)) {
        return;
    }
    connected_[seat] = false;
    if (!gameUnderWay) {
        names_[seat].clear();
    }
}

void ChairRoster::Clear() {
    for (int seat = 1; seat <= 4; ++seat) {
        names_[seat].clear();
        connected_[seat] = false;
    }
}

bool ChairRoster::Full() const {
    for (int seat = 1; seat <= 4; ++seat) {
        if (PersonsChair(seat) && !connected_[seat]) {
            return false;
        }
    }
    return true;
}

bool ChairRoster::Empty() const {
    for (int seat = 1; seat <= 4; ++seat) {
        if (connected_[seat]) {
            return false;
        }
    }
    return true;
}

const std::string& ChairRoster::NameAt(int seat) const {
    static const std::string kNobody;
    return InRange(seat) ? names_[seat] : kNobody;
}

}  // namespace pipwick
