#include "sim/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace pipwick {
namespace {

bool Parse(std::vector<const char*> args, SimOptions& options) {
    args.insert(args.begin(), "pipwick-sim");
    std::string error;
    const bool ok = ParseSimOptions(static_cast<int>(args.size()), args.data(), options, error);
    EXPECT_EQ(ok, error.empty());
    return ok;
}

TEST(SimOptions, ReadsEveryOption) {
    SimOptions o;
    ASSERT_TRUE(Parse({"--games", "12", "--players", "4", "--levels", "0,1,0,1", "--seed", "99",
                       "--scale", "1.5", "--json", "--trace"},
                      o));
    EXPECT_EQ(o.games, 12);
    EXPECT_EQ(o.players, 4);
    EXPECT_EQ(o.levels[1], 0);
    EXPECT_EQ(o.levels[2], 1);
    EXPECT_EQ(o.levels[4], 1);
    EXPECT_EQ(o.seed, 99u);
    EXPECT_EQ(o.scale, 1.5);
    EXPECT_TRUE(o.json);
    EXPECT_TRUE(o.trace);
}

TEST(SimOptions, RefusesBadValues) {
    const std::vector<std::vector<const char*>> bad = {
        {"--players", "5"},       {"--players", "1"},  {"--games", "0"},
        {"--games", "12x"},       {"--levels", "0,1"}, {"--levels", "0,1,1,1,1"},
        {"--levels", "0,-1,1,1"}, {"--scale", "3"},    {"--seed"},
        {"--colour", "red"},      {"--seed", "-4"},
    };
    for (const auto& args : bad) {
        SimOptions o;
        EXPECT_FALSE(Parse(args, o)) << args.front();
    }
}

}  // namespace
}  // namespace pipwick
