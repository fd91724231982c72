#include "texts/translation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/tile_set.h"
#include "texts/announcement_texts.h"
#include "texts/spoken_texts.h"

namespace pipwick {
namespace {

struct FillCase {
    const char* format;
    std::initializer_list<std::string_view> arguments;
    const char* filled;
};

TEST(Fill, PutsEachArgumentInItsPlaceOnceAndReadsNoneAsAFormat) {
    const FillCase cases[] = {
        {"%1 plays %2", {"Ann", "six-four"}, "Ann plays six-four"},
        {"%2, then %1", {"first", "second"}, "second, then first"},
        {"%1 and %1 again", {"x"}, "x and x again"},
        // An argument that looks like a marker is put in as it is.
        {"%1 %2", {"%2", "b"}, "%2 b"},
        {"%1", {"100% %s %1"}, "100% %s %1"},
        // Markers without an argument, and what only looks like one, stay.
        {"%3 of %1", {"a"}, "%3 of a"},
        {"%0 %a 50%", {"a"}, "%0 %a 50%"},
        {"%", {"a"}, "%"},
        {"", {"a"}, ""},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
    };
    for (const FillCase& c : cases) {
        EXPECT_EQ(text::Fill(c.format, c.arguments), c.filled) << c.format;
    }
}

// A language whose words come in another order than English, to show that every text built here
// takes its words and their order from the translation.
std::string Reordered(const char* english) {
    static const std::map<std::string, std::string> kWords = {
        {"%1 plays %2 on the %3 end, scores %4", "[%4] %3: %2 by %1"},
        {"%1-%2", "%2/%1"},
        {"four", "4"},
        {"one", "1"},
        {"bottom", "B"},
        {"double %1", "%1%1"},
        {"%1 end: double %2", "<%2> at %1"},
        {"%1 passed.  %2's turn", "%2 after %1"},
        {"The hand is over: %1 wins %2", "+%2 for %1"},
    };
    const auto found = kWords.find(english);
    return found != kWords.end() ? found->second : english;
}

class TranslatedTexts : public testing::Test {
  protected:
    void SetUp() override { text::UseTranslator(Reordered); }
    void TearDown() override { text::UseTranslator(nullptr); }
};

TEST_F(TranslatedTexts, TheStatusLineAndTheSpokenWordsFollowTheTranslation) {
    const std::string names[5] = {"", "Ann", "Bo", "Cy", "Di"};
    EXPECT_EQ(text::PlayNews("Ann", TileWithPips(4, 1), 3, 15), "[15] B: 1/4 by Ann");
    EXPECT_EQ(text::EndWords(3, 4, true), "<4> at B");
    EXPECT_EQ(text::TileWords(TileWithPips(4, 4)), "44");
    EXPECT_EQ(text::HandOverNews("Cy", 25), "+25 for Cy");
    EXPECT_EQ(text::AnnouncementText({AnnouncementKind::kHumanPassed, 1, 4}, names),
              "Di after Ann");
    // A text the translation lacks stays English.
    EXPECT_EQ(text::PassNews("Bo"), "Bo passes");
}

TEST_F(TranslatedTexts, WithoutATranslatorTheTextsAreEnglishAgain) {
    text::UseTranslator(nullptr);
    EXPECT_EQ(text::PlayNews("Ann", TileWithPips(4, 1), 3, 15),
              "Ann plays four-one on the bottom end, scores 15");
    EXPECT_EQ(text::Translate("double %1"), "double %1");
}

}  // namespace
}  // namespace pipwick
