#include "dialogs/QuotedIdList.h"
#include "dialogs/TopicNameOrder.h"

#include <gtest/gtest.h>

using Strings = std::vector<std::string>;

TEST(TopicNameOrder, IgnoresCaseOfTheShownTextAndKeepsEqualNamesInOrder) {
    // "\xC9" is É and "\xE9" é in the code page; "\xC3\x89" is É in UTF-8.
    Strings names{"beta", "\xE9t\xE9", "Alpha", "alpha", "\xC9T\xC9", "Zulu", "\xC3\x89t\xC3\xA9"};
    const auto self = [](const std::string& name) { return name; };
    SortByTopicName(names, self);
    EXPECT_EQ(names, (Strings{"Alpha", "alpha", "beta", "Zulu", "\xE9t\xE9", "\xC9T\xC9",
                              "\xC3\x89t\xC3\xA9"}));
    EXPECT_EQ(TopicNamePosition(names, "ALPHA", self), 2u); // after its equals
    EXPECT_EQ(TopicNamePosition(names, "", self), 0u);
}

TEST(QuotedIdList, RoundTripsAnyIdAndReadsLooseLists) {
    std::string list;
    for (const char* id : {"{A}", "it's", "a,b", ""})
        AppendQuotedId(list, id);
    EXPECT_EQ(list, "'{A}','it''s','a,b',''");
    EXPECT_EQ(ParseQuotedIdList(list), (Strings{"{A}", "it's", "a,b", ""}));
    EXPECT_EQ(ParseQuotedIdList(" '{A}', {B} ,'open"), (Strings{"{A}", "{B}", "open"}));
}
