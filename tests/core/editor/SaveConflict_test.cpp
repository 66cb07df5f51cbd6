// A save never writes over a newer text another program stored, unless the user says so.
#include "editor/CEntryDoc.h"
#include "editor/EditorMessages.h"
#include "store/StoredText.h"
#include "support/FakeTextView.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

using namespace EditorMessages;

namespace {

constexpr const char* kFirst = "{\\rtf1\\ansi First\\par}";
constexpr const char* kMine = "{\\rtf1\\ansi Mine\\par}";
constexpr const char* kTheirs = "{\\rtf1\\ansi Theirs\\par}";

class SaveConflict : public SessionFixture {
protected:
    void SetUp() override {
        path = createJournal("conflict.qbk");
        id = saveNewEntry(kFirst);
        entry.LoadEntry(doc.LoadEntryText(id), id);
        view.type(kMine);
    }
    // Another program stores its text for the entry, enciphered as this program would.
    void otherProgramSaves(const std::string& rtf) {
        BlowfishEngine keyed;
        keyed.SetKey(doc.m_contentKey);
        rawExec(path, "UPDATE Entry SET EntryText = '" + EncipherForStorage(rtf, keyed) +
                          "' WHERE EntryID = '" + id + "'");
    }
    std::vector<std::string> storedTexts() {
        std::vector<std::string> texts;
        for (const RawRow& row : rawQuery(path, "SELECT EntryID FROM Entry ORDER BY rowid"))
            texts.push_back(doc.LoadEntryText(*row[0]));
        return texts;
    }

    std::string path, id;
    FakeTextView view;
    CEntryDoc entry{doc, ui, view};
};

TEST_F(SaveConflict, EachAnswerKeepsWhatItSays) {
    struct Case {
        MessageAnswer answer;
        bool saved;
        std::vector<std::string> texts; // every stored entry afterwards, oldest first
    };
    const Case cases[] = {
        {MessageAnswer::Yes, true, {kMine}},
        {MessageAnswer::No, true, {kTheirs, kMine}},
        {MessageAnswer::Cancel, false, {kTheirs}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        rawExec(path, "DELETE FROM Entry WHERE EntryID <> '" + id + "'");
        otherProgramSaves(kFirst);
        entry.LoadEntry(doc.LoadEntryText(id), id);
        view.type(kMine);
        otherProgramSaves(kTheirs);
        ui.answerMessage(kChangedElsewhere, c.answer);
        EXPECT_EQ(entry.OnSaveEntry(), c.saved);
        EXPECT_EQ(storedTexts(), c.texts);
        EXPECT_EQ(view.modified, !c.saved);
        EXPECT_EQ(entry.EntryId() == id, c.answer != MessageAnswer::No);
        EXPECT_EQ(ui.messages().back().defaultAnswer, MessageAnswer::Cancel);
        // Going back to the editor and saving again asks again: the newer text is still there.
        if (!c.saved) {
            ui.answerMessage(kChangedElsewhere, MessageAnswer::Cancel);
            EXPECT_FALSE(entry.OnSaveEntry());
        }
    }
}

TEST_F(SaveConflict, OnlyAnotherTextAsks) {
    // Its own earlier save is no conflict, nor another program's change of the comment or date,
    // nor another program saving exactly this text.
    ASSERT_TRUE(entry.OnSaveEntry());
    view.type(kTheirs);
    ASSERT_TRUE(entry.OnSaveEntry());
    rawExec(path, "UPDATE Entry SET TimeStamp = '2001-02-03 04:05', UserComment = 1");
    view.type(kMine);
    ASSERT_TRUE(entry.OnSaveEntry());
    otherProgramSaves("{\\rtf1\\ansi Same\\par}");
    view.type("{\\rtf1\\ansi Same\\par}");
    ASSERT_TRUE(entry.OnSaveEntry());
    EXPECT_EQ(storedTexts(), std::vector<std::string>{"{\\rtf1\\ansi Same\\par}"});
}

} // namespace
