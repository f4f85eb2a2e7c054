#include <gtest/gtest.h>

#include "session/TextCase.h"

#include <random>
#include <string>

TEST(SearchIgnoringCase, FindsTheNeedleAnywhereWhateverItsCase)
{
    const SearchIgnoringCase search("pAr");
    EXPECT_TRUE(search.foundIn("Paris"));
    EXPECT_TRUE(search.foundIn("in PARIS"));
    EXPECT_TRUE(search.foundIn("spar"));
    EXPECT_FALSE(search.foundIn("pa"));
    EXPECT_FALSE(search.foundIn("p a r"));
    EXPECT_FALSE(search.foundIn(""));
    EXPECT_TRUE(SearchIgnoringCase("").foundIn(""));
    EXPECT_TRUE(SearchIgnoringCase("caf\xE9").foundIn("le CAF\xE9 noir"));
    EXPECT_FALSE(SearchIgnoringCase("[").foundIn("{"));
}

// Every place a search looks at is judged as answers are: the search finds
// exactly where equalIgnoringCase holds, ASCII or not.
TEST(SearchIgnoringCase, AgreesWithEqualIgnoringCaseAtEveryPosition)
{
    std::mt19937 random(7);
    const std::string alphabet = std::string("aAbBzZ@[`{ \xE9\xC9\xFF\x80", 16);
    const auto text = [&](std::size_t length) {
        std::string t;
        for (std::size_t i = 0; i < length; ++i)
            t += alphabet[random() % alphabet.size()];
        return t;
    };
    for (int round = 0; round < 2000; ++round)
    {
        const std::string haystack = text(random() % 12);
        const std::string needle = text(1 + random() % 3);
        bool expected = false;
        for (std::size_t pos = 0; pos + needle.size() <= haystack.size(); ++pos)
            expected = expected || equalIgnoringCase(haystack.substr(pos, needle.size()), needle);
        EXPECT_EQ(SearchIgnoringCase(needle).foundIn(haystack), expected) << haystack << " / " << needle;
    }
}
