#include "support/ScriptedJournalUi.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The scripted UI's alarms, which the session tests rely on, and JournalUi's message boxes.
namespace {

TEST(JournalUi, MessageConventions) {
    ScriptedJournalUi ui;
    ui.answerMessage("Database not open", MessageAnswer::Ok);
    ui.answerMessage(MessageAnswer::No);
    ui.showError("Database not open");
    EXPECT_FALSE(ui.askYesNo("OK to close the journal that is open?"));
    const auto boxes = ui.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (MessageBoxRequest{"Database not open", MessageButtons::Ok,
                                           MessageIcon::Exclamation, MessageAnswer::Ok}));
    EXPECT_EQ(boxes[1],
              (MessageBoxRequest{"OK to close the journal that is open?", MessageButtons::YesNo,
                                 MessageIcon::Question, MessageAnswer::No}));
}

TEST(ScriptedJournalUi, AnythingOffScriptFailsTheTest) {
    ScriptedJournalUi ui;
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ui.askYesNo("Delete?")), "unscripted message box");

    ui.answerMessage("Journal Created", MessageAnswer::Ok);
    EXPECT_NONFATAL_FAILURE(ui.showInformation("Journal created"), "where the script expects");

    ui.answerMessage(MessageAnswer::Yes);
    EXPECT_NONFATAL_FAILURE(ui.showError("disk full"), "is not a button of");

    ui.acceptDialog<CommentValues>();
    PasswordValues password;
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ui.runPasswordDialog(password)),
                            "where the script expects comment dialog");
    CommentValues comment;
    EXPECT_TRUE(ui.runCommentDialog(comment));

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedJournalUi left;
            left.chooseWelcome(WelcomeChoice::OpenLast);
        },
        "never asked for");
}

TEST(ScriptedJournalUi, DialogsBehaveAsTheRealOnesOnTheirValues) {
    ScriptedJournalUi ui;
    ui.acceptDialog<PasswordValues>([](auto& v) { v.m_password += "right"; });
    ui.acceptDialog<ChangePasswordValues>([](auto& v) { v.m_newPassword = "new"; });

    PasswordValues password{"typed before"}; // the prompt starts empty each time
    EXPECT_TRUE(ui.runPasswordDialog(password));
    EXPECT_EQ(password.m_password, "right");

    ChangePasswordValues change; // the real dialog stays open on an unconfirmed password
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ui.runChangePasswordDialog(change)), "would not close");
    EXPECT_EQ(change.m_newPassword, "");
    ui.acceptDialog<ChangePasswordValues>([](auto& v) { v.m_oldPassword = "old"; });
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ui.runChangePasswordDialog(change)),
                            "disabled field"); // Set Password has no old password to type

    ui.cancelDialog<OptionsValues>();
    OptionsValues options;
    options.m_title = "Trip";
    EXPECT_FALSE(ui.runOptionsDialog(options));
    EXPECT_EQ(options.m_title, "Trip");
    EXPECT_EQ(ui.shown<OptionsValues>().at(0).m_title, "Trip");
}

} // namespace
