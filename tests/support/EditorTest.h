#pragma once

#include "app/CMainFrame.h"
#include "editor/CEntryFrame.h"
#include "editor/CEntryView.h"
#include "editor/EntryEditorTemplate.h"
#include "richtext/RichDocument.h"
#include "store/CQBKDoc.h"
#include "support/AppTest.h"
#include "support/TestJournal.h"

#include <string>

// The running application on a journal made for the test, with the entry editor at hand and
// the stored entries read back through plain SQLite and the program's own decoder.
class EditorTest : public AppTest {
protected:
    void SetUp() override;

    CQBKDoc& session() const { return m_app->Document(); }
    // The open editor window; fails the test when there is none.
    CEntryFrame& editor() const;
    bool editorOpen() const { return m_app->Editor()->Frame() != nullptr; }
    CEntryView& view() const { return editor().View(); }

    // An entry added with plain SQL, then opened in the editor as the entry list opens it.
    std::string openStored(const std::string& rtf, const std::string& id = "{E-1}");
    // The stored RTF of an entry, deciphered from the file's bytes.
    std::string storedRtf(const std::string& id) const;
    richtext::RichDocument storedModel(const std::string& id) const;
    // Answers the next message box with the button, checking its text when one is given.
    void answer(const QString& button, const QString& text = {});
    // Makes the editor the active window, as the window manager does with a new window, so
    // its keyboard shortcuts act.
    void activateEditor();
    // Types at the end of the text, as the user does.
    void typeAtEnd(const QString& text);

    TestJournal journal;
};
