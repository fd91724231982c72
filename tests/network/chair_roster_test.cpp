#include "network/chair_roster.h"

#include <gtest/gtest.h>

#include <vector>

namespace pipwick {
namespace {

struct Step {
    enum { kSit, kLeaveInGame, kLeaveBeforeGame } action;
    const char* name;  // for kSit
    int seat;          // for a leave, and the seat a sit must give
    Seating seating;   // what a sit must answer
};

// Three chairs, seat 2 a computer player's: people sit in 1 and 3 only, a name is one chair, and
// a chair lost in a game waits for its own name while one lost before a game is free.
TEST(ChairRosterTest, SeatsByNameAndKeepsALostChairForItsPlayer) {
    Seats people;
    people.Of[1] = people.Of[3] = Controller::kPerson;
    people.Of[2] = Controller::kComputer;
    ChairRoster roster(people, 3);
    const std::vector<Step> steps = {
        {Step::kSit, "ann", 1, Seating::kSeated}, {Step::kSit, "ann", 1, Seating::kNameTaken},
        {Step::kLeaveBeforeGame, "", 1, {}},      {Step::kSit, "bob", 1, Seating::kSeated},
        {Step::kSit, "cy", 3, Seating::kSeated},  {Step::kSit, "dee", 0, Seating::kTableFull},
        {Step::kLeaveInGame, "", 3, {}},          {Step::kSit, "dee", 0, Seating::kTableFull},
        {Step::kSit, "cy", 3, Seating::kBack},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.action != Step::kSit) {
            roster.Leave(step.seat, step.action == Step::kLeaveInGame);
            EXPECT_FALSE(roster.Connected(step.seat)) << "step " << i;
            EXPECT_FALSE(roster.Full()) << "step " << i;
            continue;
        }
        const ChairGiven given = roster.Sit(step.name);
        EXPECT_EQ(given.seating, step.seating) << "step " << i;
        EXPECT_EQ(given.seat, step.seat) << "step " << i;
    }
    EXPECT_TRUE(roster.Full());
    EXPECT_EQ(roster.NameAt(1), "bob");
    roster.Clear();
    EXPECT_TRUE(roster.Empty());
    EXPECT_EQ(roster.Sit("cy").seat, 1);
}

// Two players sit in seats 1 and 3, as the game seats them.
TEST(ChairRosterTest, TwoPlayersSitWhereTheGameSeatsThem) {
    ChairRoster roster(Seats{{Controller::kComputer, Controller::kPerson, Controller::kPerson,
                              Controller::kPerson, Controller::kPerson}},
                       2);
    EXPECT_EQ(roster.Sit("ann").seat, 1);
    EXPECT_EQ(roster.Sit("bob").seat, 3);
    EXPECT_EQ(roster.Sit("cy").seating, Seating::kTableFull);
    EXPECT_TRUE(roster.Full());
}

}  // namespace
}  // namespace pipwick
