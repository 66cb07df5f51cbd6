#include "core/dialogs/DialogChecks.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// Lengths are counted in characters: UTF-8 sequences and surrogate pairs are one each.
TEST(DialogChecks, NewJournalOkChecksInTheirOrder) {
    struct Case { // message empty: OK closes the dialog
        bool isProtected;
        std::string password, confirm, title, owner, message;
        int focus;
    };
    const std::string mismatch = "The passwords you entered did not match";
    const std::string title100 = QString(100, QChar(0xE9)).toStdString(); // 200 bytes
    const Case cases[] = {
        {false, "", "", "", "", "", 0},
        {true, "", "", "", "", "You didn't enter a password", kNewPasswordEditId},
        {true, "secret", "", "", "", mismatch, kNewPasswordEditId}, // not "no password"
        {true, "secret", "secret", "", "", "", 0},
        {false, "a", "b", "", "", "", 0}, // box cleared: the fields do not count
        {false, "a", "a", "", "", "", 0},
        {true, "Secret", "secret", "", "", mismatch, kNewPasswordEditId}, // bytes, exactly
        {false, "", "", title100, "", "", 0},
        {false, "", "", title100 + "x", "", "Please enter no more than 100 characters.",
         kTitleEditId},
        {false, "", "", "", std::string(30, 'o'), "", 0},
        {false, "", "", "", std::string(29, 'o') + "\xf0\x9f\x93\x9d", "", 0}, // 30, not 31
        {true, "", "", title100 + "x", std::string(31, 'o'),
         "Please enter no more than 30 characters.", kOwnerEditId}, // the owner is read first
    };
    for (const Case& c : cases) {
        NewJournalValues values;
        values.m_bPasswordProtected = c.isProtected;
        values.m_password = c.password;
        values.m_confirmPassword = c.confirm;
        values.m_title = c.title;
        values.m_owner = c.owner;
        const auto problem = checkNewJournal(values);
        EXPECT_EQ(problem.value_or(DialogProblem{"", 0}),
                  (DialogProblem{c.message, c.focus, c.message == mismatch}))
            << c.password << "/" << c.confirm << "/" << c.title.size() << "/" << c.owner.size();
    }

    OptionsValues options; // here the title is read first
    options.m_title = std::string(101, 't');
    options.m_owner = std::string(31, 'o');
    EXPECT_EQ(checkOptions(options)->focusControlId, kTitleEditId);
    options.m_title.pop_back();
    EXPECT_EQ(checkOptions(options)->focusControlId, kOwnerEditId);
}

TEST(DialogChecks, NewJournalWithTheBoxClearedGetsNoPassword) {
    for (const bool ticked : {false, true}) {
        NewJournalValues values;
        values.m_bPasswordProtected = ticked;
        values.m_password = values.m_confirmPassword = "typed";
        finishNewJournal(values);
        EXPECT_EQ(values.m_password + "/" + values.m_confirmPassword, ticked ? "typed/typed" : "/");
    }
}

TEST(DialogChecks, ChangePasswordAndCommentChecks) {
    ChangePasswordValues change{"old", "new", "", true};
    EXPECT_EQ(checkChangePassword(change),
              (DialogProblem{"The new password does not match the password you entered to "
                             "confirm it.\n Please Re-enter",
                             kNewPasswordEditId}));
    change.m_newPassword.clear(); // both empty: removes the password
    EXPECT_EQ(checkChangePassword(change), std::nullopt);

    CommentValues comment{std::string(100, '\xe9'), true};
    EXPECT_EQ(checkComment(comment), std::nullopt);
    comment.m_comment += "!";
    EXPECT_EQ(checkComment(comment)->focusControlId, kCommentEditId);
}

TEST(DialogChecks, EntryDateTakesTheDayOfOnePickerAndTheTimeOfTheOther) {
    const QDateTime result = combineDateAndTime(QDate(2004, 7, 5), QTime(23, 59, 30));
    EXPECT_EQ(result.date(), QDate(2004, 7, 5));
    EXPECT_EQ(result.time(), QTime(23, 59, 30));

    // A time that does not exist on the local clock that day (the spring daylight-saving
    // gap) is still the one the user picked, not an invalid value or a shifted one.
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const QDateTime gap = combineDateAndTime(QDate(2026, 3, 29), QTime(2, 30));
    savedTz.isNull() ? qunsetenv("TZ") : qputenv("TZ", savedTz);
    tzset();
    ASSERT_TRUE(gap.isValid());
    EXPECT_EQ(gap.date(), QDate(2026, 3, 29));
    EXPECT_EQ(gap.time(), QTime(2, 30));
}

} // namespace
