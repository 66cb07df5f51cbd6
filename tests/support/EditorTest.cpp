#include "support/EditorTest.h"

#include "richtext/RtfReader.h"
#include "store/StoredText.h"
#include "support/RawSqlite.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>

void EditorTest::SetUp() {
    AppTest::SetUp();
    setShowWelcome(0);
    start();
    ASSERT_TRUE(m_started);
    ASSERT_EQ(session().OpenJournal(journal.path()), CQBKDoc::OpenOk);
    settle();
}

CEntryFrame& EditorTest::editor() const {
    CEntryFrame* frame = m_app->Editor()->Frame();
    if (frame == nullptr)
        throw std::runtime_error("no entry editor is open");
    return *frame;
}

std::string EditorTest::openStored(const std::string& rtf, const std::string& id) {
    journal.addEntry(id, "2024-03-05 08:30", "{Root}", "", false, rtf);
    session().OpenEntry(id);
    activateEditor();
    return id;
}

std::string EditorTest::storedRtf(const std::string& id) const {
    const auto rows =
        rawQuery(journal.path(), "SELECT EntryText FROM Entry WHERE EntryID = '" + id + "'");
    if (rows.size() != 1 || !rows[0][0])
        return "<no row>";
    return DecipherFromStorage(rows[0][0]->c_str(), TestJournal::kContentKey);
}

richtext::RichDocument EditorTest::storedModel(const std::string& id) const {
    return richtext::RtfReader::read(storedRtf(id));
}

void EditorTest::answer(const QString& button, const QString& text) {
    m_modals.then([button, text](QWidget* box) {
        if (!text.isEmpty()) {
            EXPECT_EQ(messageText(box), text);
        }
        clickButton(box, button);
    });
}

void EditorTest::activateEditor() {
    settle();
    if (!editorOpen())
        return;
    QApplication::setActiveWindow(&editor());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&editor()));
    view().setFocus();
}

void EditorTest::typeAtEnd(const QString& text) {
    view().moveCursor(QTextCursor::End);
    QTest::keyClicks(&view(), text);
}
