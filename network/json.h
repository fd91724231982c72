#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pipwick {

// The small part of JSON the table's messages use: objects, arrays, strings, whole numbers,
// true, false and null. A reader of what a stranger sent: it takes one whole value or nothing,
// nested at most kMaxJsonDepth deep, with numbers in the 32-bit range, strings of valid UTF-8
// and no key twice in an object.
constexpr int kMaxJsonDepth = 8;

struct JsonValue {
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };
    Type type = Type::kNull;
    bool boolean = false;
    int32_t number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member named key of an object; nullptr when there is none or this is no object.
    const JsonValue* Member(std::string_view key) const;

    static JsonValue Number(int32_t value);
    static JsonValue Bool(bool value);
    static JsonValue Text(std::string value);
    static JsonValue Array(std::vector<JsonValue> values);
    static JsonValue Object(std::vector<std::pair<std::string, JsonValue>> values);
};

// The value text holds, or nothing with the reason, and where it was found, in error.
std::optional<JsonValue> ParseJson(std::string_view text, std::string& error);
// Compact JSON that ParseJson reads back as the same value.
std::string WriteJson(const JsonValue& value);

}  // namespace pipwick
