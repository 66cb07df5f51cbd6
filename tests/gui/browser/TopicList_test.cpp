#include "support/BrowserFixture.h"

namespace {

class TopicListTest : public BrowserFixture {
protected:
    Strings topicNames() const {
        Strings names;
        const QAbstractItemModel* model = topics->GetListCtrl()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names.push_back(model->index(row, 0).data().toString().toStdString());
        return names;
    }
    // Runs an item of the context menu opened on a topic.
    void topicMenu(int row, const char* name) {
        QListView* list = topics->GetListCtrl();
        trigger(menuAction(topics->contextMenu(), list->viewport(),
                           list->visualRect(list->model()->index(row, 0)).center(), name));
    }
};

// Rename and Delete want exactly one topic (the rule: PaneCommandRulesTest); here, that the
// pane passes its selection.
TEST_F(TopicListTest, ListsTopicsInTableOrderAndSelectsSeveral) {
    openFilled();
    EXPECT_EQ(topicNames(), (Strings{"garden", "budget", "orchard"}));

    clickTopic(2);
    clickTopic(0, Qt::ControlModifier);
    EXPECT_EQ(topics->GetSelectedTopicIds(), (std::vector<std::string>{"{T-1}", "{T-3}"}));
    EXPECT_EQ(topicsCaption, QStringLiteral("garden,orchard"));
    for (CommandId id : {ID_FILE_RENAME_TOPIC, ID_TOPIC_DELETE})
        EXPECT_FALSE(stateWith(*topics, id).enabled) << id;
    clickTopic(1);
    EXPECT_EQ(topicsCaption, QStringLiteral("budget"));
    for (CommandId id : {ID_FILE_RENAME_TOPIC, ID_TOPIC_DELETE})
        EXPECT_TRUE(stateWith(*topics, id).enabled) << id;
}

// The new topic alone is selected: the caption names it, the list narrows to its (no) entries.
TEST_F(TopicListTest, NewTopicIsNamedInPlaceAndDeletingATopicDropsItFromFilterAndCaption) {
    openFilled();
    clickTopic(1); // budget: one entry
    ASSERT_EQ(entries->rowCount(), 1);
    topicMenu(1, "topicMenuNewTopic");
    EXPECT_EQ(topicNames(), (Strings{"garden", "budget", "orchard", "New Topic"}));
    EXPECT_EQ(topicsCaption, QStringLiteral("New Topic"));
    EXPECT_EQ(entries->rowCount(), 0);

    // Names are typed up to fifty characters.
    const QString name = QStringLiteral("Mom's birthday, with the cake and the candles and all");
    typeName(topics->GetListCtrl(), name);
    const std::string stored = name.left(50).toStdString();
    EXPECT_EQ(topicNames(), (Strings{"garden", "budget", "orchard", stored}));
    EXPECT_EQ(topicsCaption, name.left(50));
    EXPECT_EQ(entries->rowCount(), 0);
    EXPECT_EQ(rawQuery(journal.path(), "SELECT Name FROM Topic ORDER BY rowid"),
              (std::vector<RawRow>{{"garden"}, {"budget"}, {"orchard"}, {stored}}));

    // Deleting a selected topic drops it from the filter and the caption.
    clickTopic(1);
    EXPECT_EQ(entries->rowCount(), 1);

    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::No);
    topicMenu(1, "topicMenuDeleteTopic");
    EXPECT_EQ(topicNames().size(), 4);

    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::Yes);
    topicMenu(1, "topicMenuDeleteTopic");
    EXPECT_EQ(topicNames(), (Strings{"garden", "orchard", stored}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-2}'"), 0u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic WHERE TopicID = '{T-2}'"), 0u);
    EXPECT_EQ(topicsCaption, QString());
    EXPECT_EQ(entries->rowCount(), 4); // no topic selected: nothing narrows the list
}

} // namespace
