#pragma once

#include "core/browser/EntryListSort.h"
#include "core/platform/CommandRouter.h"
#include "core/session/CQBKDoc.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CPreviewPane.h"
#include "gui/browser/CTopicListView.h"
#include "gui/browser/PaneContextMenu.h"
#include "support/GuiTest.h"
#include "support/RawSqlite.h"
#include "support/RecordingHost.h"
#include "support/ScriptedJournalUi.h"
#include "support/TestJournal.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QSplitter>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

using Strings = std::vector<std::string>;

// The four panes wired as the main window wires them, over a real journal file that tests fill
// with TestJournal, open through the session and drive with mouse and keyboard.
class BrowserFixture : public GuiTest {
protected:
    BrowserFixture() {
        SharedEntryListSort() = EntryListSortState{}; // shared for the program's life
        auto* left = new QSplitter(Qt::Vertical, &window);
        auto* right = new QSplitter(Qt::Vertical, &window);
        folders = new CFolderListView(doc, ui, left);
        topics = new CTopicListView(doc, ui, left);
        entries = new CEntryListView(doc, ui, right);
        preview = new CPreviewPane(doc, right);
        window.setSizes({250, 650});
        entries->setTopicList(topics);
        entries->setPreviewPane(preview);
        entries->setFolderTree(folders);
        QObject::connect(folders, &CFolderListView::selectionListsAll, entries,
                         &CEntryListView::SetInFolderColumnShown);
        doc.AttachPanes(entries, topics, folders, preview);
        QObject::connect(folders, &CFolderListView::captionChanged,
                         [this](const QString& name, bool) { caption = name; });
        QObject::connect(topics, &CTopicListView::topicsTextChanged,
                         [this](const QString& text) { topicsCaption = text; });
        window.resize(900, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    ~BrowserFixture() override {
        if (doc.IsJournalOpen())
            doc.CloseJournal();
    }

    // A test's own connections to the panes may capture its locals: they end with the test,
    // before the tear-down closes the window and the focus leaving the panes would fire them.
    void TearDown() override {
        for (QObject* pane : std::initializer_list<QObject*>{folders, topics, entries, preview})
            pane->disconnect();
        GuiTest::TearDown();
    }

    // openFilled()'s journal unless a test has its own: nested folders; dates, comments and topics
    // in different orders; each entry with topics has two, in the file's order (any order sorts
    // the same).
    virtual void fill() {
        journal.addFolder("{F-W}", "{Root}", "Work");
        journal.addFolder("{F-H}", "{Root}", "Home");
        journal.addFolder("{F-E}", "{Root}", "Empty");
        journal.addFolder("{F-M}", "{F-W}", "Meetings");
        journal.addFolder("{F-Mm}", "{F-M}", "Minutes");
        journal.addTopic("{T-1}", "garden");
        journal.addTopic("{T-2}", "budget");
        journal.addTopic("{T-3}", "orchard");
        journal.addEntry("{E-1}", "2024-03-05 08:00", "{F-W}", "Quarterly plan", true);
        journal.addEntry("{E-2}", "2023-11-20 18:45", "{F-H}", "apple harvest", true,
                         "{\\rtf1 Apples everywhere\\par}");
        journal.addEntry("{E-3}", "2024-01-15 12:10", "{F-H}", "Bills", true,
                         "{\\rtf1 Paid bills\\par}");
        journal.addEntry("{E-4}", "2024-02-29 23:59", "{F-W}", "derived text", false);
        journal.link("{E-2}", "{T-1}");
        journal.link("{E-2}", "{T-3}");
        journal.link("{E-3}", "{T-2}");
        journal.link("{E-3}", "{T-1}");
    }
    // Fills the journal, sets the Config columns given ("Title = 'x', ...") and opens it.
    void openFilled(const std::string& config = {}) {
        fill();
        if (!config.empty())
            exec("UPDATE Config SET " + config);
        openJournal();
    }

    // Journals ask before moves unless told otherwise; most tests are not about that.
    void openJournal(bool confirmMoves = false) {
        if (!confirmMoves)
            exec("UPDATE Config SET ConfirmEntryMove = 0, ConfirmFolderMove = 0");
        ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
        QCoreApplication::processEvents();
    }

    // Another connection's statement on the file, a query's first value and its row count.
    void exec(const std::string& sql) const { rawExec(journal.path(), sql); }
    std::string value(const std::string& sql) const { return rawValue(journal.path(), sql); }
    std::size_t rows(const std::string& sql) const { return rawQuery(journal.path(), sql).size(); }

    // The shown text of a cell of the entry list.
    QString cell(int row, int column) const {
        const QAbstractItemModel* model = entries->listControl()->model();
        return model->data(model->index(row, column)).toString();
    }
    Strings columnTexts(int column) const {
        Strings texts;
        for (int row = 0; row < entries->rowCount(); ++row)
            texts.push_back(cell(row, column).toStdString());
        return texts;
    }
    QString previewText() const { return preview->entryView()->toPlainText().trimmed(); }

    QTreeWidgetItem* folderItem(const QString& label) const {
        const QList<QTreeWidgetItem*> found =
            folders->treeControl()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    QPoint folderPoint(const QString& label) const {
        QTreeWidgetItem* item = folderItem(label);
        EXPECT_NE(item, nullptr) << label.toStdString();
        return item ? folders->treeControl()->visualItemRect(item).center() : QPoint();
    }
    void clickFolder(const QString& label) {
        QTest::mouseClick(folders->treeControl()->viewport(), Qt::LeftButton, {},
                          folderPoint(label));
    }

    QPoint rowPoint(int row) const {
        QTreeView* list = entries->listControl();
        return list->visualRect(list->model()->index(row, 1)).center();
    }
    void clickRow(int row) {
        QTest::mouseClick(entries->listControl()->viewport(), Qt::LeftButton, {}, rowPoint(row));
    }

    void clickHeader(int column) {
        QHeaderView* header = entries->listControl()->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    // A point on a folder in the entry list's coordinates, where a drag of a row starts.
    QPoint onFolder(const QString& label) const {
        const QPoint global = folders->treeControl()->viewport()->mapToGlobal(folderPoint(label));
        return entries->listControl()->viewport()->mapFromGlobal(global);
    }

    void clickTopic(int row, Qt::KeyboardModifiers modifiers = {}) {
        QListView* list = topics->GetListCtrl();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(list->model()->index(row, 0)).center());
    }

    // Opens a pane's context menu with the right button at a point; the named item, if shown.
    QAction* menuAction(PaneContextMenu* menu, QWidget* where, QPoint at, const char* name) {
        QTest::mousePress(where, Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, where->mapToGlobal(at));
        QApplication::sendEvent(where, &event);
        QTest::mouseRelease(where, Qt::RightButton, {}, at);
        EXPECT_TRUE(menu->isVisible());
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    using GuiTest::trigger;
    // Triggers an action as a user would, failing when it is disabled.
    static void trigger(QAction* action) {
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
        action->trigger();
        if (auto* menu = qobject_cast<QMenu*>(action->parent()))
            menu->close();
    }

    // The in-place name editor that is open, if any (a closed one lingers until deleted).
    static QLineEdit* openEditor(QWidget* view) {
        QLineEdit* editor = nullptr;
        for (QLineEdit* line : view->findChildren<QLineEdit*>())
            if (line->isVisible())
                editor = line;
        return editor;
    }
    // Types a name into the open in-place editor and presses Return; queued events then run.
    static void typeName(QWidget* view, const QString& name) {
        QLineEdit* editor = openEditor(view);
        ASSERT_NE(editor, nullptr) << "no editor open";
        editor->selectAll();
        if (name.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // A left-button drag through a few moves, both points in the widget's coordinates.
    static void drag(QWidget* from, QPoint start, QPoint end) {
        QTest::mousePress(from, Qt::LeftButton, {}, start);
        const QPoint step = (end - start) / 4;
        for (int i = 1; i < 4; ++i)
            QTest::mouseMove(from, start + step * i);
        QTest::mouseMove(from, end);
        QTest::mouseRelease(from, Qt::LeftButton, {}, end);
    }

    // The state the main menu would show for a command while a pane is active.
    CommandState stateWith(CommandTarget& pane, CommandId id) {
        CommandRouter router;
        router.setActivePane(&pane);
        router.setDocument(&doc);
        return router.state(id);
    }

    TestJournal journal;
    CallLog log;
    RecordingHost host{log};
    ScriptedJournalUi ui;
    CQBKDoc doc{ui, host};
    QSplitter window; // the two columns
    CFolderListView* folders = nullptr;
    CTopicListView* topics = nullptr;
    CEntryListView* entries = nullptr;
    CPreviewPane* preview = nullptr;
    QString caption;
    QString topicsCaption;
};
