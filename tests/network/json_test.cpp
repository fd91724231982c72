// The JSON reader takes one whole value of the small JSON the table speaks, or refuses with the
// reason and the place; what the writer writes it reads back alike.
#include "network/json.h"

#include <gtest/gtest.h>

#include <string>

namespace pipwick {
namespace {

TEST(Json, ReadsValuesAndWritesThemBackCompactly) {
    struct Case {
        std::string text, written;
    };
    for (const Case& c : {
             Case{R"( {"a" : [1, -2, 0], "b":true, "c":null} )",
                  R"({"a":[1,-2,0],"b":true,"c":null})"},
             Case{"-2147483648", "-2147483648"},
             Case{"2147483647", "2147483647"},
             Case{R"("tab\tquote\"back\\slash\/")", R"("tab\u0009quote\"back\\slash/")"},
             Case{R"("\u00e9\u20ac\ud83c\udc31")", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x80\xB1\""},
             Case{"\"\xC3\xA9\"", "\"\xC3\xA9\""},
             Case{"[[[[[[[[]]]]]]]]", "[[[[[[[[]]]]]]]]"},  // as deep as may be
             Case{"{}", "{}"},
         }) {
        std::string error;
        const std::optional<JsonValue> value = ParseJson(c.text, error);
        ASSERT_TRUE(value) << c.text << ": " << error;
        EXPECT_EQ(WriteJson(*value), c.written) << c.text;
        EXPECT_TRUE(ParseJson(WriteJson(*value), error)) << c.text;
    }
}

TEST(Json, RefusesAnythingElseSayingWhatAndWhere) {
    struct Case {
        std::string text, error;
    };
    for (const Case& c : {
             Case{"", "a value is missing at byte 0"},
             Case{"{\"a\":1,}", "a key is missing at byte 7"},
             Case{"{\"a\":1,\"a\":2}", "a key comes twice at byte 10"},
             Case{"{\"a\" 1}", "a colon is missing at byte 5"},
             Case{"{\"a\":1", "a comma or a closing brace is missing at byte 6"},
             Case{"[1 2]", "a comma or a closing bracket is missing at byte 3"},
             Case{"[[[[[[[[[]]]]]]]]]", "nested too deep at byte 8"},
             Case{"2147483648", "a number out of range at byte 10"},
             Case{"-2147483649", "a number out of range at byte 10"},
             Case{"99999999999999999999", "a number out of range at byte 9"},
             Case{"1.5", "a number that is not whole at byte 1"},
             Case{"1e3", "a number that is not whole at byte 1"},
             Case{"01", "a malformed number at byte 2"},
             Case{"-", "a malformed number at byte 1"},
             Case{"tru", "not a value at byte 0"},
             Case{"1 2", "text after the value at byte 2"},
             Case{"\"abc", "an unfinished string at byte 4"},
             Case{"\"a\nb\"", "a control character in a string at byte 2"},
             Case{"\"\\x\"", "a bad escape at byte 3"},
             Case{"\"\\u12zz\"", "a bad \\u escape at byte 6"},
             Case{"\"\\u1", "a short \\u escape at byte 3"},
             Case{"\"\\ud83c\"", "a lone high surrogate at byte 7"},
             Case{"\"\\udc31\"", "a lone low surrogate at byte 7"},
             Case{"\"\xC0\xAF\"", "text that is not UTF-8 at byte 1"},          // overlong
             Case{"\"\xED\xA0\x80\"", "text that is not UTF-8 at byte 1"},      // a surrogate
             Case{"\"\xF4\x90\x80\x80\"", "text that is not UTF-8 at byte 1"},  // past U+10FFFF
             Case{"\"\xE2\x82\"", "text that is not UTF-8 at byte 1"},          // cut short
             Case{"\"\xFF\"", "text that is not UTF-8 at byte 1"},
         }) {
        std::string error;
        EXPECT_FALSE(ParseJson(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace pipwick
