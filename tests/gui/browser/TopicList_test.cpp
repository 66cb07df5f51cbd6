#include "support/BrowserFixture.h"

#include <QLineEdit>

namespace {

class TopicListTest : public BrowserFixture {
protected:
    void fill() override {
        journal.addTopic("{T-3}", "zebra");
        journal.addTopic("{T-1}", "apple");
        journal.addTopic("{T-2}", "mango");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{Root}", "one", true);
        journal.link("{E-1}", "{T-1}");
    }
    Strings topicNames() const {
        Strings names;
        const QAbstractItemModel* model = topics->GetListCtrl()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names.push_back(model->index(row, 0).data().toString().toStdString());
        return names;
    }
    QWidget* area() const { return topics->GetListCtrl()->viewport(); }
    QPoint topicPoint(int row) const {
        QListView* list = topics->GetListCtrl();
        return list->visualRect(list->model()->index(row, 0)).center();
    }
};

TEST_F(TopicListTest, ListsTopicsInTableOrderAndSelectsSeveral) {
    EXPECT_TRUE(topicNames().empty());
    openFilled();
    EXPECT_EQ(topicNames(), (Strings{"zebra", "apple", "mango"}));

    clickTopic(2);
    clickTopic(0, Qt::ControlModifier);
    EXPECT_EQ(topics->GetSelectedTopicCount(), 2);
    EXPECT_EQ(topics->GetSelectedTopicIds(), (std::vector<std::string>{"{T-3}", "{T-2}"}));
    EXPECT_EQ(topics->GetSelectedTopicNames(), QStringLiteral("zebra,mango"));
    EXPECT_EQ(topicsCaption, QStringLiteral("zebra,mango"));
    clickTopic(1);
    EXPECT_EQ(topicsCaption, QStringLiteral("apple"));
}

TEST_F(TopicListTest, RenameAndDeleteNeedExactlyOneSelectedTopic) {
    openFilled();
    const auto enabled = [this] {
        return std::pair(stateWith(*topics, ID_FILE_RENAME_TOPIC).enabled,
                         stateWith(*topics, ID_TOPIC_DELETE).enabled);
    };
    EXPECT_EQ(enabled(), std::pair(false, false));
    clickTopic(0);
    EXPECT_EQ(enabled(), std::pair(true, true));
    clickTopic(1, Qt::ControlModifier);
    EXPECT_EQ(enabled(), std::pair(false, false));
}

// The new topic alone is selected: the caption names it and the list narrows to its entries
// (none) at once.
TEST_F(TopicListTest, NewTopicIsAppendedSelectedAndNamedInPlace) {
    openFilled();
    clickTopic(1); // apple: one entry
    ASSERT_EQ(entries->rowCount(), 1);
    trigger(menuAction(topics->contextMenu(), area(), topicPoint(1), "topicMenuNewTopic"));
    EXPECT_EQ(topicNames().size(), 4);
    EXPECT_EQ(topicNames().back(), "New Topic");
    EXPECT_EQ(topics->GetSelectedTopicCount(), 1);
    EXPECT_EQ(topicsCaption, QStringLiteral("New Topic"));
    EXPECT_EQ(entries->rowCount(), 0);

    // Names are typed up to fifty characters.
    const QString name = QStringLiteral("Mom's birthday, with the cake and the candles and all");
    typeName(topics->GetListCtrl(), name);
    const std::string stored = name.left(50).toStdString();
    EXPECT_EQ(topicNames(), (Strings{"zebra", "apple", "mango", stored}));
    EXPECT_EQ(topicsCaption, name.left(50));
    EXPECT_EQ(entries->rowCount(), 0);
    EXPECT_EQ(rawQuery(journal.path(), "SELECT Name FROM Topic ORDER BY rowid"),
              (std::vector<RawRow>{{"zebra"}, {"apple"}, {"mango"}, {stored}}));
}

TEST_F(TopicListTest, CancelledNameEditKeepsNewTopic) {
    openJournal();
    topics->setFocus();
    doc.handleCommand(ID_TOPIC_NEW);
    auto* editor = topics->GetListCtrl()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Holidays"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(topicNames(), Strings{"New Topic"});
    EXPECT_EQ(rawQuery(journal.path(), "SELECT Name FROM Topic"),
              std::vector<RawRow>{{"New Topic"}});
}

TEST_F(TopicListTest, DeletingASelectedTopicDropsItFromFilterAndCaption) {
    openFilled();
    clickTopic(1); // apple: one entry
    EXPECT_EQ(entries->rowCount(), 1);

    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::No);
    trigger(menuAction(topics->contextMenu(), area(), topicPoint(1), "topicMenuDeleteTopic"));
    EXPECT_EQ(topicNames().size(), 3);

    ui.answerMessage("Are you sure you want to delete this topic from the journal?",
                     MessageAnswer::Yes);
    trigger(menuAction(topics->contextMenu(), area(), topicPoint(1), "topicMenuDeleteTopic"));
    EXPECT_EQ(topicNames(), (Strings{"zebra", "mango"}));
    EXPECT_EQ(rows("SELECT * FROM Topic WHERE TopicID = '{T-1}'"), 0u);
    EXPECT_EQ(rows("SELECT * FROM Entry2Topic"), 0u);
    EXPECT_EQ(topicsCaption, QString());
    EXPECT_EQ(entries->rowCount(), 1); // no topic selected: nothing narrows the list
}

} // namespace
