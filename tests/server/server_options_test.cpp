#include "server/server_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipwick {
namespace {

struct Case {
    std::vector<const char*> args;
    const char* error;  // nullptr when the line is good
};

bool Parse(std::vector<const char*> args, ServerOptions& options, std::string& error) {
    args.insert(args.begin(), "pipwick-server");
    return ParseServerOptions(static_cast<int>(args.size()), args.data(), options, error);
}

// Each bad line is refused with its own reason; the good ones take the game's target.
TEST(ServerOptionsTest, RefusesWhatCannotMakeATable) {
    const std::vector<Case> cases = {
        {{"--code", "ABCDEFGH", "--tables", "3"}, nullptr},
        {{"--game", "draw", "--target", "150", "--people", "2", "--players", "3"}, nullptr},
        {{"--code", "abcdefgh"}, "--code: bad value"},
        {{"--code", "ABCDEFG"}, "--code: bad value"},
        {{"--tables", "0"}, "--tables: bad value"},
        {{"--port", "65536"}, "--port: bad value"},
        {{"--players", "3", "--partners"}, "--partners needs --players 4"},
        {{"--players", "2", "--people", "3"}, "--people is at most --players"},
        {{"--game", "draw", "--target", "120"}, "--game draw plays to"},
        {{"--certificate", "c.pem"}, "--certificate and --key go together"},
        {{"--trace", "t.jsonl"}, "--trace needs --seed"},
        {{"--port"}, "--port needs a value"},
        {{"--fast", "1"}, "--fast: unknown option"},
    };
    for (const Case& c : cases) {
        ServerOptions options;
        std::string error;
        const bool ok = Parse(c.args, options, error);
        if (c.error == nullptr) {
            EXPECT_TRUE(ok) << c.args[0] << ": " << error;
            EXPECT_TRUE(IsTargetChoice(options.rules.Game, options.rules.Target)) << c.args[0];
        } else {
            EXPECT_FALSE(ok) << c.args[0];
            EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.args[0] << ": " << error;
        }
    }
}

TEST(ServerOptionsTest, SeatsPeopleFirst) {
    ServerOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--players", "4", "--people", "2"}, options, error)) << error;
    const Seats seats = SeatsOf(options);
    EXPECT_TRUE(IsPerson(seats, 1) && IsPerson(seats, 2));
    EXPECT_FALSE(IsPerson(seats, 3) || IsPerson(seats, 4));
    ServerOptions two;
    ASSERT_TRUE(Parse({"--players", "2"}, two, error)) << error;
    EXPECT_TRUE(IsPerson(SeatsOf(two), 1) && IsPerson(SeatsOf(two), 3));
    EXPECT_FALSE(IsPerson(SeatsOf(two), 2));
}

}  // namespace
}  // namespace pipwick
