// Writing and reading the table's messages. Every message is an object whose "type" names it;
// a reader takes a field only when it has the expected type and range, and refuses a message
// with a field missing or a field it does not know.
#include "network/messages.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>
#include <vector>

#include "model/game_kind.h"
#include "network/json.h"

namespace pipwick {

namespace {

using Members = std::vector<std::pair<std::string, JsonValue>>;

constexpr std::array<const char*, 10> kNewsNames = {
    "game-started", "hand-dealt", "tile-laid",  "play-scored", "tile-drawn",
    "passed",       "hand-ended", "game-ended", "stand-in",    "returned",
};
constexpr std::array<const char*, 7> kVerdictNames = {
    "taken",       "no-game",      "not-your-turn", "not-your-tile",
    "no-such-arm", "does-not-fit", "must-play",
};
constexpr std::array<const char*, 4> kTurnawayNames = {
    "wrong-version",
    "wrong-code",
    "table-full",
    "name-taken",
};
constexpr int32_t kMostPoints = 10000;

JsonValue Tiles(const int32_t (&hand)[kHandSlots]) {
    std::vector<JsonValue> tiles;
    for (int32_t tile : hand) {
        if (tile != kNoTile) {
            tiles.push_back(JsonValue::Number(tile));
        }
    }
    return JsonValue::Array(std::move(tiles));
}

JsonValue Write(const Chairs& chairs) {
    std::vector<JsonValue> names;
    for (const std::string& name : chairs.names) {
        names.push_back(JsonValue::Text(name));
    }
    return JsonValue::Object(
        {{"type", JsonValue::Text("chairs")}, {"names", JsonValue::Array(std::move(names))}});
}

JsonValue Write(const Welcome& welcome) {
    return JsonValue::Object({{"type", JsonValue::Text("welcome")},
                              {"version", JsonValue::Number(welcome.version)},
                              {"seat", JsonValue::Number(welcome.seat)},
                              {"players", JsonValue::Number(welcome.players)}});
}

JsonValue Write(const Turnaway& turnaway) {
    return JsonValue::Object(
        {{"type", JsonValue::Text("turned-away")},
         {"reason", JsonValue::Text(kTurnawayNames[static_cast<size_t>(turnaway.reason)])}});
}

JsonValue Write(const Refusal& refusal) {
    return JsonValue::Object(
        {{"type", JsonValue::Text("refused")},
         {"reason", JsonValue::Text(kVerdictNames[static_cast<size_t>(refusal.verdict)])}});
}

JsonValue Write(const ChairNews& news) {
    std::vector<JsonValue> counts;
    std::vector<JsonValue> hands;
    for (int player = 0; player <= 4; ++player) {
        counts.push_back(JsonValue::Number(news.counts[player]));
        hands.push_back(Tiles(news.hands[player]));
    }
    const JsonValue rules =
        JsonValue::Object({{"game", JsonValue::Number(static_cast<int32_t>(news.rules.Game))},
                           {"partners", JsonValue::Number(news.rules.Partners)},
                           {"target", JsonValue::Number(news.rules.Target)}});
    return JsonValue::Object({{"type", JsonValue::Text("news")},
                              {"kind", JsonValue::Text(kNewsNames[static_cast<size_t>(news.kind)])},
                              {"seat", JsonValue::Number(news.seat)},
                              {"arm", JsonValue::Number(news.arm)},
                              {"tile", JsonValue::Number(news.tile)},
                              {"points", JsonValue::Number(news.points)},
                              {"rules", rules},
                              {"counts", JsonValue::Array(std::move(counts))},
                              {"hands", JsonValue::Array(std::move(hands))}});
}

JsonValue Write(const Hello& hello) {
    return JsonValue::Object({{"type", JsonValue::Text("hello")},
                              {"version", JsonValue::Number(hello.version)},
                              {"code", JsonValue::Text(hello.code)},
                              {"name", JsonValue::Text(hello.name)}});
}

JsonValue Write(const ChairMove& move) {
    return JsonValue::Object({{"type", JsonValue::Text("move")},
                              {"draw", JsonValue::Bool(move.drawOrPass)},
                              {"tile", JsonValue::Number(move.tile)},
                              {"arm", JsonValue::Number(move.arm)}});
}

bool PlainText(const std::string& text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Reads the fields of one object, each once, and at the end tells whether any was left unread.
class Fields {
  public:
    Fields(const JsonValue& object, std::string& error) : object_(object), error_(error) {}

    bool Number(const char* key, int32_t least, int32_t most, int32_t& out) {
        const JsonValue* value = Find(key, JsonValue::Type::kNumber);
        if (value == nullptr) {
            return false;
        }
        if (value->number < least || value->number > most) {
            return Fail(key, "is out of range");
        }
        out = value->number;
        return true;
    }

    bool Bool(const char* key, bool& out) {
        const JsonValue* value = Find(key, JsonValue::Type::kBool);
        if (value != nullptr) {
            out = value->boolean;
        }
        return value != nullptr;
    }

    // A string of at most most bytes with no control character.
    bool Text(const char* key, size_t most, std::string& out) {
        const JsonValue* value = Find(key, JsonValue::Type::kString);
        if (value == nullptr) {
            return false;
        }
        if (value->text.size() > most) {
            return Fail(key, "is too long");
        }
        if (!PlainText(value->text)) {
            return Fail(key, "holds a control character");
        }
        out = value->text;
        return true;
    }

    // One of names, as its index.
    template <size_t N>
    bool Name(const char* key, const std::array<const char*, N>& names, size_t first, size_t& out) {
        std::string text;
        if (!Text(key, 32, text)) {
            return false;
        }
        for (size_t k = first; k < N; ++k) {
            if (text == names[k]) {
                out = k;
                return true;
            }
        }
        return Fail(key, "names nothing known");
    }

    const JsonValue* Find(const char* key, JsonValue::Type type) {
        const JsonValue* value = object_.Member(key);
        if (value == nullptr) {
            Fail(key, "is missing");
            return nullptr;
        }
        if (value->type != type) {
            Fail(key, "has the wrong type");
            return nullptr;
        }
        read_.insert(key);
        return value;
    }

    bool NoOthers() {
        for (const auto& [key, value] : object_.members) {
            if (read_.count(key) == 0) {
                return Fail(key.c_str(), "is not part of the message");
            }
        }
        return true;
    }

    bool Fail(const char* key, const char* what) {
        if (error_.empty()) {
            error_ = std::string("the field \"") + key + "\" " + what;
        }
        return false;
    }

  private:
    const JsonValue& object_;
    std::string& error_;
    std::set<std::string> read_;
};

// Five names, each as a hello's name may be, the first empty.
bool ReadChairNames(Fields& fields, Chairs& chairs) {
    const JsonValue* names = fields.Find("names", JsonValue::Type::kArray);
    if (names == nullptr) {
        return false;
    }
    if (names->items.size() != chairs.names.size()) {
        return fields.Fail("names", "does not hold five names");
    }
    for (size_t seat = 0; seat < chairs.names.size(); ++seat) {
        const JsonValue& name = names->items[seat];
        if (name.type != JsonValue::Type::kString || name.text.size() > kMaxNameBytes ||
            !PlainText(name.text) || (seat == 0 && !name.text.empty())) {
            return fields.Fail("names", "holds something that is no chair's name");
        }
        chairs.names[seat] = name.text;
    }
    return true;
}

bool ReadRules(const JsonValue& object, std::string& error, GameRules& rules) {
    Fields fields(object, error);
    int32_t game = 0;
    int32_t partners = 0;
    int32_t target = 0;
    if (!fields.Number("game", 0, INT32_MAX, game) || !fields.Number("partners", 0, 1, partners) ||
        !fields.Number("target", 0, INT32_MAX, target) || !fields.NoOthers()) {
        return false;
    }
    if (!IsDominoGame(game)) {
        return fields.Fail("game", "names no game");
    }
    if (!IsTargetChoice(static_cast<DominoGame>(game), target)) {
        return fields.Fail("target", "is no target of that game");
    }
    rules = {static_cast<DominoGame>(game), partners, target};
    return true;
}

// Five hands of at most kHandSlots tiles, no tile in two places.
bool ReadHands(const JsonValue& hands, std::string& error, int32_t (&out)[5][kHandSlots]) {
    if (hands.items.size() != 5) {
        error = "the field \"hands\" does not hold five hands";
        return false;
    }
    bool seen[kTileCount + 1] = {};
    for (int player = 0; player <= 4; ++player) {
        const JsonValue& hand = hands.items[player];
        if (hand.type != JsonValue::Type::kArray || hand.items.size() > kHandSlots) {
            error = "the field \"hands\" holds a hand that is no list of tiles";
            return false;
        }
        for (size_t slot = 0; slot < hand.items.size(); ++slot) {
            const JsonValue& tile = hand.items[slot];
            if (tile.type != JsonValue::Type::kNumber || tile.number < 1 ||
                tile.number > kTileCount || seen[tile.number]) {
                error = "the field \"hands\" holds a tile that is no tile or one seen twice";
                return false;
            }
            seen[tile.number] = true;
            out[player][slot] = tile.number;
        }
    }
    return true;
}

bool ReadCounts(const JsonValue& counts, std::string& error, int32_t (&out)[5]) {
    if (counts.items.size() != 5) {
        error = "the field \"counts\" does not hold five counts";
        return false;
    }
    for (int player = 0; player <= 4; ++player) {
        const JsonValue& count = counts.items[player];
        if (count.type != JsonValue::Type::kNumber || count.number < 0 ||
            count.number > kHandSlots) {
            error = "the field \"counts\" holds a count out of range";
            return false;
        }
        out[player] = count.number;
    }
    return true;
}

std::optional<ChairNews> ReadNews(Fields& fields, std::string& error) {
    ChairNews news;
    size_t kind = 0;
    int32_t seat = 0;
    int32_t arm = 0;
    const JsonValue* rules = nullptr;
    const JsonValue* counts = nullptr;
    const JsonValue* hands = nullptr;
    if (!fields.Name("kind", kNewsNames, 0, kind) || !fields.Number("seat", 0, 4, seat) ||
        !fields.Number("arm", 0, kArmCount - 1, arm) ||
        !fields.Number("tile", kNoTile, kTileCount, news.tile) ||
        !fields.Number("points", 0, kMostPoints, news.points) ||
        (rules = fields.Find("rules", JsonValue::Type::kObject)) == nullptr ||
        (counts = fields.Find("counts", JsonValue::Type::kArray)) == nullptr ||
        (hands = fields.Find("hands", JsonValue::Type::kArray)) == nullptr || !fields.NoOthers() ||
        !ReadRules(*rules, error, news.rules) || !ReadCounts(*counts, error, news.counts) ||
        !ReadHands(*hands, error, news.hands)) {
        return std::nullopt;
    }
    news.kind = static_cast<NewsKind>(kind);
    news.seat = seat;
    news.arm = arm;
    return news;
}

// The object in frame and the name of its type, or nothing.
std::optional<JsonValue> ReadObject(std::string_view frame, std::string& error, std::string& type) {
    if (frame.size() > kMaxMessageBytes) {
        error = "the message is longer than " + std::to_string(kMaxMessageBytes) + " bytes";
        return std::nullopt;
    }
    std::optional<JsonValue> value = ParseJson(frame, error);
    if (!value) {
        error = "the message is not JSON: " + error;
        return std::nullopt;
    }
    if (value->type != JsonValue::Type::kObject) {
        error = "the message is not an object";
        return std::nullopt;
    }
    Fields fields(*value, error);
    if (!fields.Text("type", 32, type)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string WriteMessage(const ClientMessage& message) {
    return WriteJson(std::visit([](const auto& m) { return Write(m); }, message));
}

std::string WriteMessage(const ServerMessage& message) {
    return WriteJson(std::visit([](const auto& m) { return Write(m); }, message));
}

std::optional<ClientMessage> ReadClientMessage(std::string_view frame, std::string& error) {
    std::string type;
    const std::optional<JsonValue> object = ReadObject(frame, error, type);
    if (!object) {
        return std::nullopt;
    }
    Fields fields(*object, error);
    fields.Find("type", JsonValue::Type::kString);
    if (type == "hello") {
        Hello hello;
        if (fields.Number("version", INT32_MIN, INT32_MAX, hello.version) &&
            fields.Text("code", kMaxNameBytes, hello.code) &&
            fields.Text("name", kMaxNameBytes, hello.name) && fields.NoOthers()) {
            if (hello.name.empty()) {
                fields.Fail("name", "is empty");
                return std::nullopt;
            }
            return hello;
        }
        return std::nullopt;
    }
    if (type == "move") {
        ChairMove move;
        if (fields.Bool("draw", move.drawOrPass) &&
            fields.Number("tile", kNoTile, kTileCount, move.tile) &&
            fields.Number("arm", 0, kArmCount - 1, move.arm) && fields.NoOthers()) {
            return move;
        }
        return std::nullopt;
    }
    error = "the message's type \"" + type + "\" is no player's message";
    return std::nullopt;
}

std::optional<ServerMessage> ReadServerMessage(std::string_view frame, std::string& error) {
    std::string type;
    const std::optional<JsonValue> object = ReadObject(frame, error, type);
    if (!object) {
        return std::nullopt;
    }
    Fields fields(*object, error);
    fields.Find("type", JsonValue::Type::kString);
    if (type == "welcome") {
        Welcome welcome;
        int32_t seat = 0;
        if (fields.Number("version", INT32_MIN, INT32_MAX, welcome.version) &&
            fields.Number("seat", 1, 4, seat) && fields.Number("players", 2, 4, welcome.players) &&
            fields.NoOthers()) {
            welcome.seat = seat;
            return welcome;
        }
        return std::nullopt;
    }
    if (type == "chairs") {
        Chairs chairs;
        if (ReadChairNames(fields, chairs) && fields.NoOthers()) {
            return chairs;
        }
        return std::nullopt;
    }
    if (type == "turned-away") {
        size_t reason = 0;
        if (fields.Name("reason", kTurnawayNames, 0, reason) && fields.NoOthers()) {
            return Turnaway{static_cast<TurnawayReason>(reason)};
        }
        return std::nullopt;
    }
    if (type == "refused") {
        size_t verdict = 0;
        if (fields.Name("reason", kVerdictNames, 1, verdict) && fields.NoOthers()) {
            return Refusal{static_cast<MoveVerdict>(verdict)};
        }
        return std::nullopt;
    }
    if (type == "news") {
        if (std::optional<ChairNews> news = ReadNews(fields, error)) {
            return *news;
        }
        return std::nullopt;
    }
    error = "the message's type \"" + type + "\" is no table's message";
    return std::nullopt;
}

}  // namespace pipwick
