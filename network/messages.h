#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "network/chair_news.h"
#include "network/server_table.h"

namespace pipwick {

// The table's messages, one JSON object per WebSocket frame (docs/network.md). Both sides read
// what the other sent as they read a saved game: the whole frame, every field checked, or
// nothing.
constexpr int32_t kProtocolVersion = 1;
constexpr size_t kMaxMessageBytes = 16 * 1024;
constexpr size_t kMaxNameBytes = 64;
constexpr size_t kTableCodeLength = 8;
// The port a table listens on unless told otherwise.
constexpr uint16_t kUsualTablePort = 7381;

// A player's first message: the protocol he speaks, the table's code and his name.
struct Hello {
    int32_t version = kProtocolVersion;
    std::string code;
    std::string name;
    friend bool operator==(const Hello&, const Hello&) = default;
};

// The table's answer to a hello that it takes: the chair given and the number of players.
struct Welcome {
    int32_t version = kProtocolVersion;
    int seat = 0;
    int32_t players = 0;
    friend bool operator==(const Welcome&, const Welcome&) = default;
};

// A refused move, told to that chair alone; nothing changed at the table.
struct Refusal {
    MoveVerdict verdict = MoveVerdict::kNotYourTurn;
    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// Why a hello was turned away; the table closes the connection after saying so.
enum class TurnawayReason : int32_t {
    kWrongVersion,
    kWrongCode,
    kTableFull,
    kNameTaken,
};

struct Turnaway {
    TurnawayReason reason = TurnawayReason::kWrongCode;
    friend bool operator==(const Turnaway&, const Turnaway&) = default;
};

using ClientMessage = std::variant<Hello, ChairMove>;
using ServerMessage = std::variant<Welcome, Turnaway, Refusal, ChairNews>;

std::string WriteMessage(const ClientMessage& message);
std::string WriteMessage(const ServerMessage& message);

// The message in frame, or nothing with what was wrong in error.
std::optional<ClientMessage> ReadClientMessage(std::string_view frame, std::string& error);
std::optional<ServerMessage> ReadServerMessage(std::string_view frame, std::string& error);

}  // namespace pipwick
