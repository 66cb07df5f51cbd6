#include "core/session/MessageBoxRequest.h"

#include <gtest/gtest.h>

TEST(MessageBoxRequest, EscapeIsCancelOrNoAndAlwaysOneOfTheButtons) {
    const std::pair<MessageButtons, MessageAnswer> cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, MessageAnswer::Cancel},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {MessageButtons::RetryCancel, MessageAnswer::Cancel}};
    for (const auto& [buttons, escape] : cases)
        EXPECT_TRUE(escapeAnswer(buttons) == escape && offers(buttons, escape));
}
