#include "support/BrowserFixture.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

using PreviewPaneTest = BrowserFixture;

// A double click on the header opens the shown entry only; selection leaves a hidden preview.
TEST_F(PreviewPaneTest, HeaderDoubleClickOpensTheShownEntryOnlyAndAHiddenOneIsLeftAlone) {
    openFilled();
    QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(log.count("CreateEntryEditor"), 0);

    clickRow(0);
    QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(log.count("LoadEntry {E-2}"), 1);
    preview->hide();
    clickRow(1);
    EXPECT_EQ(doc.CurrentEntryId(), "{E-2}");
    EXPECT_EQ(preview->entryId(), "{E-2}");
}

TEST_F(PreviewPaneTest, EntryViewIsReadOnlyWithoutMenuAndKeepsBelowTheHeader) {
    QTextEdit* view = preview->entryView();
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(previewText(), QStringLiteral("No entry is selected."));
    // in the palette's text colour, which may be the light text of a dark palette
    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    EXPECT_FALSE(end.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    window.resize(700, 500);
    QCoreApplication::processEvents();
    const int usual = preview->headerHeight();
    EXPECT_GE(usual, 2 * preview->fontMetrics().lineSpacing());
    EXPECT_EQ(view->geometry().top(), usual);
    EXPECT_EQ(view->geometry().bottom(), preview->height() - 1);
    EXPECT_EQ(view->width(), preview->width());

    // Two lines of a larger font still fit, and the text moves down below them.
    QFont larger = preview->font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    preview->setFont(larger);
    EXPECT_GE(preview->headerHeight(), usual + preview->fontMetrics().lineSpacing() / 2);
    EXPECT_GE(preview->headerHeight(), 2 * preview->fontMetrics().lineSpacing());
    EXPECT_EQ(view->geometry().top(), preview->headerHeight());
}

using PaneSignalsTest = BrowserFixture;

TEST_F(PaneSignalsTest, FocusActivatesAPane) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    std::vector<std::string> activated;
    QObject scope; // the connections end with the test's locals, before the window closes
    const auto note = [&](const char* pane) { return [&, pane] { activated.push_back(pane); }; };
    QObject::connect(folders, &CFolderListView::activated, &scope, note("folders"));
    QObject::connect(entries, &CEntryListView::activated, &scope, note("entries"));
    QObject::connect(topics, &CTopicListView::activated, &scope, note("topics"));
    entries->listControl()->setFocus();
    topics->GetListCtrl()->setFocus();
    folders->treeControl()->setFocus();
    EXPECT_EQ(activated, (Strings{"entries", "topics", "folders"}));
    // The close buttons: RealPaneLayoutTest clicks them in the main window.
}

TEST_F(PaneSignalsTest, ClosingTheJournalEmptiesEveryPane) {
    openFilled();
    clickFolder(QStringLiteral("Home"));
    clickTopic(0);
    clickRow(0);
    ASSERT_FALSE(preview->entryId().empty());
    ASSERT_EQ(caption, QStringLiteral("Home"));
    ASSERT_EQ(topicsCaption, QStringLiteral("garden"));
    doc.CloseJournal();
    EXPECT_EQ(caption, QString());
    EXPECT_EQ(topicsCaption, QString());
    ASSERT_EQ(folders->treeControl()->topLevelItemCount(), 1);
    EXPECT_EQ(folders->treeControl()->topLevelItem(0)->text(0), QStringLiteral("No Journal Open"));
    EXPECT_EQ(entries->rowCount(), 0);
    EXPECT_EQ(topics->GetListCtrl()->model()->rowCount(), 0);
    EXPECT_TRUE(preview->entryId().empty());
}

} // namespace
