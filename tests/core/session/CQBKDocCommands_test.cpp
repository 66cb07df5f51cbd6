#include "core/platform/CommandIds.h"
#include "core/platform/CommandRouter.h"
#include "core/store/JournalMessages.h"
#include "support/SessionFixture.h"

namespace {

class Commands : public SessionFixture {
protected:
    CommandRouter router;
    void SetUp() override {
        router.setDocument(&doc);
        router.setVeto([this](CommandId command) { return doc.RefusesCommand(command); });
    }
    bool enabled(CommandId id) const { return router.state(id).enabled; }
};

} // namespace

// The password item's text follows the journal and stays while none is open.
TEST_F(Commands, EnablingFollowsTheOpenJournalAndThePanes) {
    const CommandId always[] = {ID_FILE_OPEN_JOURNAL, ID_FILE_NEW_JOURNAL, ID_HELP_WELCOME_DIALOG};
    const CommandId needJournal[] = {ID_FILE_CLOSE_JOURNAL,   ID_FILE_JOURNAL_OPTIONS,
                                     ID_FILE_CHANGE_PASSWORD, ID_FILE_NEW_ENTRY,
                                     ID_TOOLS_SEARCH,         ID_EDIT_MASTER_TOPIC_LIST,
                                     ID_FILE_PRINT_JOURNAL};
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD).text, "Set Password...");
    for (int open = 0; open < 2; ++open) {
        if (open)
            createJournal("c.qbk", "pw");
        for (CommandId id : always)
            EXPECT_TRUE(enabled(id)) << id;
        for (CommandId id : needJournal)
            EXPECT_EQ(enabled(id), open == 1) << id;
    }
    EXPECT_TRUE(enabled(ID_TOPIC_NEW));
    host.topicPaneShown = false;
    EXPECT_FALSE(enabled(ID_TOPIC_NEW));
    EXPECT_FALSE(enabled(ID_FILE_NEW_FOLDER));
    panes.canCreateFolder = true;
    EXPECT_TRUE(enabled(ID_FILE_NEW_FOLDER));
    EXPECT_TRUE(router.dispatch(ID_FILE_NEW_FOLDER));
    EXPECT_EQ(log.calls.back(), "NewFolder");
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD).text, "Change Password...");
    doc.CloseJournal();
    EXPECT_FALSE(enabled(ID_FILE_CHANGE_PASSWORD));
    EXPECT_EQ(router.state(ID_FILE_CHANGE_PASSWORD).text, "Change Password...");
}

TEST_F(Commands, WelcomeAndOpenCommandsRunTheirDialogs) {
    const std::string path = createJournal("w.qbk");
    doc.CloseJournal();
    ui.chooseWelcome(WelcomeChoice::OpenLast);
    EXPECT_TRUE(router.dispatch(ID_HELP_WELCOME_DIALOG));
    EXPECT_TRUE(doc.IsJournalOpen());

    // Open through the file dialog: a file that is gone is reported, not created.
    ui.chooseJournal(pathFor("gone.qbk"));
    ui.answerMessage(JournalMessages::kMissingFile, MessageAnswer::Ok);
    EXPECT_TRUE(router.dispatch(ID_FILE_OPEN_JOURNAL));
    EXPECT_EQ(ui.messages().back().icon, MessageIcon::None);
    EXPECT_FALSE(CQBKDoc::JournalFileExists(pathFor("gone.qbk")));
    EXPECT_TRUE(doc.IsJournalOpen());

    EXPECT_TRUE(router.dispatch(ID_FILE_CLOSE_JOURNAL));
    EXPECT_FALSE(router.dispatch(ID_FILE_CLOSE_JOURNAL)); // disabled now: dropped
    EXPECT_EQ(doc.Path(), path);
}
