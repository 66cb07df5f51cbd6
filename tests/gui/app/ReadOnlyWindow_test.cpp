// A read-only journal in the real windows: the notice at once, the writing commands of the main
// window, the panes and the editor disabled, in-place renaming off, the editor's text locked.
#include "core/session/CQBKDoc.h"
#include "core/store/JournalMessages.h"
#include "gui/app/CMainFrame.h"
#include "gui/browser/CQBKView.h"
#include "gui/editor/CEntryFrame.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTextEdit>
#include <sys/stat.h>

namespace {

using Pane = CQBKView::Pane;

class ReadOnlyWindow : public AppTest {};

TEST_F(ReadOnlyWindow, TellsAtOnceAndDisablesEveryWayToWrite) {
    startWithoutWelcome(true);
    TestJournal journal;
    journal.addFolder("{F}", "{Root}", "Walks");
    journal.addTopic("{T}", "birds");
    journal.addEntry("{E}", "2024-05-01 08:00", "{Root}", "heron", false, "{\\rtf1 heron\\par}");
    ASSERT_EQ(::chmod(journal.path().c_str(), 0444), 0);

    QString told;
    m_modals.then([&](QWidget* box) {
        told = messageText(box);
        clickButton(box, QStringLiteral("OK"));
    });
    CQBKDoc& doc = m_app->Document();
    ASSERT_EQ(doc.OpenJournal(journal.path()), CQBKDoc::OpenResult::Ok);
    EXPECT_EQ(told.toStdString(),
              JournalMessages::OpenedReadOnly(JournalAccess::ReadOnlyCause::File));

    for (Pane which : {Pane::FolderTree, Pane::TopicList, Pane::EntryList}) {
        frame().View()->ActivatePane(which);
        for (const char* name : {"actionNewEntry", "toolNewEntry", "actionJournalOptions",
                                 "toolOptions", "actionChangePassword", "actionMasterTopicList",
                                 "actionDeleteEntry", "actionEditComment", "actionEntryTopics",
                                 "actionRenameFolder", "actionDeleteFolder", "actionRenameTopic"})
            EXPECT_FALSE(enabled(&frame(), QString::fromLatin1(name))) << int(which) << ' ' << name;
        for (const char* name : {"actionSearch", "actionPrintJournal", "actionCloseJournal"})
            EXPECT_TRUE(enabled(&frame(), QString::fromLatin1(name))) << int(which) << ' ' << name;
    }
    for (const auto* view : frame().findChildren<QAbstractItemView*>()) {
        if (qobject_cast<const QHeaderView*>(view))
            continue;
        EXPECT_FALSE(view->editTriggers() & QAbstractItemView::EditKeyPressed)
            << view->parent()->metaObject()->className();
    }

    // The entry still opens, for reading: its text is locked and Save is off.
    doc.OpenEntry("{E}");
    QWidget* editor = m_app->Editor()->Frame();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(enabled(editor, QStringLiteral("editorSave")));
    EXPECT_FALSE(enabled(editor, QStringLiteral("editorCheckSpelling")));
    EXPECT_TRUE(editor->findChild<QTextEdit*>()->isReadOnly());
}

} // namespace
