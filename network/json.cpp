// A strict reader and a compact writer of JSON. The reader walks the text once, by recursive
// descent, and refuses at the first thing out of place: it never reads past the end of the text
// and never nests deeper than kMaxJsonDepth, so no input can exhaust the stack.
#include "network/json.h"

#include <cstdio>

namespace pipwick {

const JsonValue* JsonValue::Member(std::string_view key) const {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return &value;
        }
    }
    return nullptr;
}

JsonValue JsonValue::Number(int32_t value) {
    JsonValue v;
    v.type = Type::kNumber;
    v.number = value;
    return v;
}

JsonValue JsonValue::Bool(bool value) {
    JsonValue v;
    v.type = Type::kBool;
    v.boolean = value;
    return v;
}

JsonValue JsonValue::Text(std::string value) {
    JsonValue v;
    v.type = Type::kString;
    v.text = std::move(value);
    return v;
}

JsonValue JsonValue::Array(std::vector<JsonValue> values) {
    JsonValue v;
    v.type = Type::kArray;
    v.items = std::move(values);
    return v;
}

JsonValue JsonValue::Object(std::vector<std::pair<std::string, JsonValue>> values) {
    JsonValue v;
    v.type = Type::kObject;
    v.members = std::move(values);
    return v;
}

namespace {

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Whole(std::string& error) {
        JsonValue value;
        if (Value(value, 0)) {
            SkipSpace();
            if (at_ != text_.size()) {
                Fail("text after the value");
            }
        }
        if (!error_.empty()) {
            error = error_ + " at byte " + std::to_string(at_);
            return std::nullopt;
        }
        return value;
    }

  private:
    bool Fail(const char* what) {
        if (error_.empty()) {
            error_ = what;
        }
        return false;
    }

    void SkipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool Take(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool Value(JsonValue& value, int depth) {
        SkipSpace();
        if (at_ == text_.size()) {
            return Fail("a value is missing");
        }
        const char c = text_[at_];
        if (c == '{' || c == '[') {
            if (depth == kMaxJsonDepth) {
                return Fail("nested too deep");
            }
            return c == '{' ? Object(value, depth + 1) : Array(value, depth + 1);
        }
        if (c == '"') {
            value.type = JsonValue::Type::kString;
            return String(value.text);
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            return Number(value);
        }
        if (Take("true") || Take("false")) {
            value = JsonValue::Bool(c == 't');
            return true;
        }
        if (Take("null")) {
            value = JsonValue{};
            return true;
        }
        return Fail("not a value");
    }

    bool Object(JsonValue& value, int depth) {
        value.type = JsonValue::Type::kObject;
        ++at_;
        SkipSpace();
        if (Take("}")) {
            return true;
        }
        for (;;) {
            SkipSpace();
            std::string key;
            if (at_ == text_.size() || text_[at_] != '"' || !String(key)) {
                return Fail("a key is missing");
            }
            if (value.Member(key) != nullptr) {
                return Fail("a key comes twice");
            }
            SkipSpace();
            if (!Take(":")) {
                return Fail("a colon is missing");
            }
            JsonValue member;
            if (!Value(member, depth)) {
                return false;
            }
            value.members.emplace_back(std::move(key), std::move(member));
            SkipSpace();
            if (Take("}")) {
                return true;
            }
            if (!Take(",")) {
                return Fail("a comma or a closing brace is missing");
            }
        }
    }

    bool Array(JsonValue& value, int depth) {
        value.type = JsonValue::Type::kArray;
        ++at_;
        SkipSpace();
        if (Take("]")) {
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!Value(item, depth)) {
                return false;
            }
            value.items.push_back(std::move(item));
            SkipSpace();
            if (Take("]")) {
                return true;
            }
            if (!Take(",")) {
                return Fail("a comma or a closing bracket is missing");
            }
        }
    }

    // A whole number: no fraction or exponent, no leading zero, within the 32-bit range.
    bool Number(JsonValue& value) {
        const bool negative = Take("-");
        const size_t first = at_;
        int64_t magnitude = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            magnitude = magnitude * 10 + (text_[at_] - '0');
            if (magnitude > int64_t{1} << 31) {
                return Fail("a number out of range");
            }
            ++at_;
        }
        if (at_ == first || (text_[first] == '0' && at_ - first > 1)) {
            return Fail("a malformed number");
        }
        if (at_ < text_.size() && (text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E')) {
            return Fail("a number that is not whole");
        }
        const int64_t signed_value = negative ? -magnitude : magnitude;
        if (signed_value > INT32_MAX) {
            return Fail("a number out of range");
        }
        value = JsonValue::Number(static_cast<int32_t>(signed_value));
        return true;
    }

    bool Hex4(uint32_t& unit) {
        if (text_.size() - at_ < 4) {
            return Fail("a short \\u escape");
        }
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = text_[at_++];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return Fail("a bad \\u escape");
            }
            unit = unit * 16 + static_cast<uint32_t>(digit);
        }
        return true;
    }

    static void AppendUtf8(std::string& out, uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | code >> 6);
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | code >> 12);
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | code >> 18);
            out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool Escape(std::string& out) {
        if (at_ == text_.size()) {
            return Fail("an unfinished escape");
        }
        const char c = text_[at_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt";
        static constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (const size_t k = kFrom.find(c); k != std::string_view::npos) {
            out += kTo[k];
            return true;
        }
        uint32_t code = 0;
        if (c != 'u' || !Hex4(code)) {
            return Fail("a bad escape");
        }
        if (code >= 0xDC00 && code <= 0xDFFF) {
            return Fail("a lone low surrogate");
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            uint32_t low = 0;
            if (!Take("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                return Fail("a lone high surrogate");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    // One UTF-8 sequence, copied whole: no overlong form, no surrogate, nothing past U+10FFFF.
    bool Utf8(std::string& out) {
        const auto lead = static_cast<unsigned char>(text_[at_]);
        const int length = lead < 0x80                    ? 1
                           : lead >= 0xC2 && lead <= 0xDF ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        if (length == 0 || text_.size() - at_ < static_cast<size_t>(length)) {
            return Fail("text that is not UTF-8");
        }
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[at_ + i]);
            if ((next & 0xC0) != 0x80) {
                return Fail("text that is not UTF-8");
            }
            code = code << 6 | (next & 0x3F);
        }
        static constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return Fail("text that is not UTF-8");
        }
        out.append(text_.substr(at_, length));
        at_ += length;
        return true;
    }

    bool String(std::string& out) {
        ++at_;
        for (;;) {
            if (at_ == text_.size()) {
                return Fail("an unfinished string");
            }
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return Fail("a control character in a string");
            }
            if (c == '\\') {
                ++at_;
                if (!Escape(out)) {
                    return false;
                }
            } else if (!Utf8(out)) {
                return false;
            }
        }
    }

    std::string_view text_;
    size_t at_ = 0;
    std::string error_;
};

void Write(const JsonValue& value, std::string& out);

void WriteString(const std::string& text, std::string& out) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void Write(const JsonValue& value, std::string& out) {
    switch (value.type) {
        case JsonValue::Type::kNull:
            out += "null";
            return;
        case JsonValue::Type::kBool:
            out += value.boolean ? "true" : "false";
            return;
        case JsonValue::Type::kNumber:
            out += std::to_string(value.number);
            return;
        case JsonValue::Type::kString:
            WriteString(value.text, out);
            return;
        case JsonValue::Type::kArray:
            out += '[';
            for (size_t i = 0; i < value.items.size(); ++i) {
                out += i == 0 ? "" : ",";
                Write(value.items[i], out);
            }
            out += ']';
            return;
        case JsonValue::Type::kObject:
            out += '{';
            for (size_t i = 0; i < value.members.size(); ++i) {
                out += i == 0 ? "" : ",";
                WriteString(value.members[i].first, out);
                out += ':';
                Write(value.members[i].second, out);
            }
            out += '}';
            return;
    }
}

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, std::string& error) {
    return Reader(text).Whole(error);
}

std::string WriteJson(const JsonValue& value) {
    std::string out;
    Write(value, out);
    return out;
}

}  // namespace pipwick
