#include "core/session/StartUpRule.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(StartUpRuleTest, TheLastJournalOpensInsteadOfTheWelcomeDialogOnlyWhenAskedAndThere) {
    using enum StartUpAction;
    const std::tuple<int, bool, bool, StartUpAction> cases[] = {
        {1, false, true, Welcome}, {0, false, true, Nothing}, {2, false, true, Nothing},
        {1, true, true, OpenLast}, {0, true, true, OpenLast}, {0, true, false, Welcome}};
    for (const auto& [showWelcome, openLast, lastExists, expected] : cases)
        EXPECT_EQ(StartUpActionFor(showWelcome, openLast, lastExists), expected)
            << showWelcome << openLast << lastExists;
}
