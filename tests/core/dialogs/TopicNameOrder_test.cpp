#include "dialogs/QuotedIdList.h"
#include "dialogs/TopicNameOrder.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

std::string self(const std::string& name) {
    return name;
}

} // namespace

TEST(TopicNameOrder, IgnoresCaseAsTextKeepsEqualNamesInTheirOrderAndInsertsAfterThem) {
    // "\xC9" is É and "\xE9" é in the code page; UTF-8 "É" is stored as two bytes.
    Strings names{"beta",      "\xE9t\xE9", "Alpha", "alpha",
                  "\xC9T\xC9", "Zulu",      "ALPHA", "\xC3\x89t\xC3\xA9"};
    SortByTopicName(names, self);
    EXPECT_EQ(names, (Strings{"Alpha", "alpha", "ALPHA", "beta", "Zulu", "\xE9t\xE9", "\xC9T\xC9",
                              "\xC3\x89t\xC3\xA9"}));
    EXPECT_EQ(TopicNamePosition(names, "aLpHa", self), 3u);
    EXPECT_EQ(TopicNamePosition(names, "", self), 0u);
    EXPECT_EQ(TopicNamePosition(names, "\xE9T\xE9", self), names.size());
    EXPECT_EQ(TopicNamePosition(names, "c", self), 4u);
}

TEST(QuotedIdList, RoundTripsIdsWithApostrophesAndCommasAndReadsLooseText) {
    std::string list;
    for (const char* id : {"{A}", "it's", "a,b", ""})
        AppendQuotedId(list, id);
    EXPECT_EQ(list, "'{A}','it''s','a,b',''");
    EXPECT_EQ(ParseQuotedIdList(list), (Strings{"{A}", "it's", "a,b", ""}));
    // As the search dialog may hand it back: blanks after commas, or no quotes.
    EXPECT_EQ(ParseQuotedIdList(" '{A}', '{B}' "), (Strings{"{A}", "{B}"}));
    EXPECT_EQ(ParseQuotedIdList("{A} ,{B}"), (Strings{"{A}", "{B}"}));
    EXPECT_TRUE(ParseQuotedIdList("").empty());
    EXPECT_EQ(ParseQuotedIdList("'unterminated"), Strings{"unterminated"});
}
