// The table's messages: each one written is read back alike, and a frame that is not one of them
// whole, every field in its range, is refused with the reason.
#include "network/messages.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace pipwick {
namespace {

ChairNews Dealt() {
    ChairNews news;
    news.kind = NewsKind::kHandDealt;
    news.seat = 3;
    news.rules = {DominoGame::Block, 0, 150};
    for (int player = 1; player <= 4; ++player) {
        news.counts[player] = 7;
    }
    for (int slot = 0; slot < 7; ++slot) {
        news.hands[2][slot] = 22 + slot;
    }
    return news;
}

ChairNews Shown() {
    ChairNews news;
    news.kind = NewsKind::kHandEnded;
    news.seat = 4;
    news.points = 35;
    news.hands[1][0] = 1;
    news.hands[3][0] = 28;
    news.hands[3][1] = 14;
    news.counts[1] = 1;
    news.counts[3] = 2;
    return news;
}

TEST(Messages, EveryMessageWrittenIsReadBackAlike) {
    ChairNews laid;
    laid.kind = NewsKind::kTileLaid;
    laid.seat = 2;
    laid.arm = 3;
    laid.tile = 17;
    for (const ServerMessage& message : std::vector<ServerMessage>{
             Welcome{kProtocolVersion, 2, 4}, Chairs{{"", "Ana Luísa", "", "Bo", ""}},
             Turnaway{TurnawayReason::kNameTaken}, Refusal{MoveVerdict::kDoesNotFit}, Dealt(),
             Shown(), laid}) {
        std::string error;
        const std::string frame = WriteMessage(message);
        const std::optional<ServerMessage> read = ReadServerMessage(frame, error);
        ASSERT_TRUE(read) << frame << ": " << error;
        EXPECT_EQ(*read, message) << frame;
    }
    for (const ClientMessage& message :
         std::vector<ClientMessage>{Hello{kProtocolVersion, "KQWPZMRT", "Ana Luísa"},
                                    ChairMove{true, kNoTile, 0}, ChairMove{false, 28, 2}}) {
        std::string error;
        const std::string frame = WriteMessage(message);
        const std::optional<ClientMessage> read = ReadClientMessage(frame, error);
        ASSERT_TRUE(read) << frame << ": " << error;
        EXPECT_EQ(*read, message) << frame;
    }
}

TEST(Messages, AFrameThatIsNotOneWholeMessageIsRefusedWithTheReason) {
    const std::string move = R"({"type":"move","draw":false,"tile":5,"arm":1})";
    std::string news = WriteMessage(ServerMessage{Dealt()});
    struct Case {
        bool fromServer;
        std::string frame, error;
    };
    const auto with = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    for (const Case& c : {
             Case{false, std::string(kMaxMessageBytes + 1, ' '),
                  "the message is longer than 16384 bytes"},
             Case{false, "[1]", "the message is not an object"},
             Case{false, "{\"type\":", "the message is not JSON: a value is missing at byte 8"},
             Case{false, R"({"kind":"move"})", "the field \"type\" is missing"},
             Case{false, R"({"type":"welcome"})",
                  "the message's type \"welcome\" is no player's message"},
             Case{true, move, "the message's type \"move\" is no table's message"},
             Case{false, with(move, "5", "29"), "the field \"tile\" is out of range"},
             Case{false, with(move, "1}", "4}"), "the field \"arm\" is out of range"},
             Case{false, with(move, "false", "0"), "the field \"draw\" has the wrong type"},
             Case{false, with(move, ",\"arm\":1", ""), "the field \"arm\" is missing"},
             Case{false, with(move, "}", ",\"seat\":3}"),
                  "the field \"seat\" is not part of the message"},
             Case{false, R"({"type":"hello","version":1,"code":"ABCDEFGH","name":""})",
                  "the field \"name\" is empty"},
             Case{false, R"({"type":"hello","version":1,"code":"ABCDEFGH","name":"a\u0007b"})",
                  "the field \"name\" holds a control character"},
             Case{false,
                  R"({"type":"hello","version":1,"code":"ABCDEFGH","name":")" +
                      std::string(65, 'n') + "\"}",
                  "the field \"name\" is too long"},
             Case{true, R"({"type":"refused","reason":"taken"})",
                  "the field \"reason\" names nothing known"},
             Case{true, R"({"type":"welcome","version":1,"seat":5,"players":4})",
                  "the field \"seat\" is out of range"},
             Case{true, R"({"type":"chairs","names":["","Ana","","Bo"]})",
                  "the field \"names\" does not hold five names"},
             Case{true, R"({"type":"chairs","names":["x","Ana","","Bo",""]})",
                  "the field \"names\" holds something that is no chair's name"},
             Case{true, R"({"type":"chairs","names":["","A\u0007","","Bo",""]})",
                  "the field \"names\" holds something that is no chair's name"},
             Case{true, R"({"type":"chairs","names":["",1,"","Bo",""]})",
                  "the field \"names\" holds something that is no chair's name"},
             Case{true, with(news, "hand-dealt", "hand-shuffled"),
                  "the field \"kind\" names nothing known"},
             Case{true, with(news, "\"game\":2", "\"game\":9"), "the field \"game\" names no game"},
             Case{true, with(news, "\"target\":150", "\"target\":120"),
                  "the field \"target\" is no target of that game"},
             Case{true, with(news, "[22,", "[23,"),
                  "the field \"hands\" holds a tile that is no tile or one seen twice"},
             Case{true, with(news, "[22,", "[0,"),
                  "the field \"hands\" holds a tile that is no tile or one seen twice"},
             Case{true, with(news, "],[],[]]", "],[]]"),
                  "the field \"hands\" does not hold five hands"},
             Case{true, with(news, "[0,7,7,7,7]", "[0,7,7,7,22]"),
                  "the field \"counts\" holds a count out of range"},
         }) {
        std::string error;
        const bool read = c.fromServer ? ReadServerMessage(c.frame, error).has_value()
                                       : ReadClientMessage(c.frame, error).has_value();
        EXPECT_FALSE(read) << c.frame;
        EXPECT_EQ(error, c.error) << c.frame;
    }
}

// Frames a few edits away from good ones: each is refused with a reason or read whole, and what is
// read is written and read again alike.
TEST(Messages, MutatedFramesAreRefusedOrReadWhole) {
    const std::vector<std::string> good = {
        WriteMessage(ServerMessage{Dealt()}),
        WriteMessage(ServerMessage{Shown()}),
        WriteMessage(ServerMessage{Welcome{kProtocolVersion, 1, 3}}),
        WriteMessage(ClientMessage{Hello{kProtocolVersion, "KQWPZMRT", "Bo"}}),
        WriteMessage(ClientMessage{ChairMove{false, 12, 3}}),
    };
    const std::string bytes = "{}[],:\"\\u0123456789-truefalsenull \x80\xC3\xFF";
    std::mt19937 random(20261210);
    int read = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string frame = good[random() % good.size()];
        for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
            const size_t at = random() % (frame.size() + 1);
            const char byte = bytes[random() % bytes.size()];
            switch (random() % 3) {
                case 0:
                    frame.insert(frame.begin() + at, byte);
                    break;
                case 1:
                    frame.erase(at, 1 + random() % 4);
                    break;
                default:
                    if (at < frame.size()) {
                        frame[at] = byte;
                    }
            }
        }
        std::string error;
        if (const auto server = ReadServerMessage(frame, error)) {
            ++read;
            EXPECT_EQ(ReadServerMessage(WriteMessage(*server), error), server) << frame;
        } else if (const auto client = ReadClientMessage(frame, error)) {
            ++read;
            EXPECT_EQ(ReadClientMessage(WriteMessage(*client), error), client) << frame;
        } else {
            EXPECT_FALSE(error.empty()) << frame;
        }
    }
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace pipwick
