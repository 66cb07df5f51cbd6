#include "core/editor/CEntryDoc.h"
#include "core/editor/EditorMessages.h"
#include "core/editor/NewEntryTemplate.h"
#include "core/platform/CommandIds.h"
#include "core/store/JournalMessages.h"
#include "core/store/OptionsValues.h"
#include "core/store/StoredText.h"
#include "support/FakeTextView.h"
#include "support/JournalDump.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"

#include <QSettings>

#include <functional>
#include <tuple>

using namespace EditorMessages;

namespace {

constexpr const char* kText = "{\\rtf1\\ansi Dear diary\\par}";
constexpr const char* kOther = "{\\rtf1\\ansi Second thoughts\\par}";
constexpr const char* kMine = "{\\rtf1\\ansi Mine\\par}";

class EntryDocument : public SessionFixture {
protected:
    void SetUp() override { path = createJournal("editor.qbk"); }

    std::size_t entryRows() { return rawQuery(path, "SELECT EntryID FROM Entry").size(); }
    std::size_t linksOf(const std::string& id) {
        return rawQuery(path, "SELECT TopicID FROM Entry2Topic WHERE EntryID = '" + id + "'")
            .size();
    }
    void linkTopic(const std::string& entryId) {
        rawExec(path, "INSERT OR IGNORE INTO Topic (TopicID, Name) VALUES ('{T1}', 'Travel')");
        rawExec(path,
                "INSERT INTO Entry2Topic (EntryID, TopicID) VALUES ('" + entryId + "', '{T1}')");
    }
    // A stored entry opened in the editor.
    std::string openStored(CEntryDoc& entry, const std::string& rtf = kText) {
        const std::string id = saveNewEntry(rtf);
        entry.LoadEntry(doc.LoadEntryText(id), id);
        return id;
    }
    void expectSaveQuestion(MessageAnswer answer) { ui.answerMessage(kSaveQuestion, answer); }
    void setFont(const std::string& name, int size) { // as the Options dialog sets it
        ui.acceptDialog<OptionsValues>([=](OptionsValues& v) {
            v.m_fontName = name;
            v.m_fontSize = size;
        });
        doc.JournalOptions();
    }

    std::string path;
    FakeTextView view;
    CEntryDoc entry{doc, ui, view};
};

TEST_F(EntryDocument, NewEntryStartsInTheJournalFontAndItsFirstSaveInsertsThenUpdates) {
    setFont("", 0); // a journal without a font
    entry.OnNewDocument();
    EXPECT_EQ(view.face, "Times New Roman");
    EXPECT_EQ(view.points, 12);
    linkTopic(kNewEntryId); // left by an earlier new entry, never saved
    setFont("Georgia", 14);
    entry.OnNewDocument();
    EXPECT_EQ(view.face, "Georgia");
    EXPECT_EQ(view.points, 14);
    EXPECT_EQ(linksOf(kNewEntryId), 0u);
    EXPECT_EQ(view.title, kNewEntryTitle);
    EXPECT_EQ(entry.EntryId(), kNewEntryId);
    EXPECT_EQ(doc.Editor(), &entry);
    EXPECT_EQ(doc.OpenEntryId(), kNewEntryId);

    view.type(kText);
    ASSERT_TRUE(entry.OnSaveEntry());
    const std::string id = entry.EntryId();
    EXPECT_FALSE(view.modified);
    EXPECT_EQ(doc.OpenEntryId(), id);
    // The window now carries the entry's date, which the printed header uses too.
    EXPECT_EQ(view.title, doc.GetEntryDateText(id));

    view.type(kOther);
    ASSERT_TRUE(entry.OnSaveEntry());
    EXPECT_EQ(entry.EntryId(), id);
    EXPECT_EQ(entryRows(), 1u);
    EXPECT_EQ(doc.LoadEntryText(id), kOther);
}

// A journal's new entries start with the text set as its template on this computer, kept in
// the user's settings and never in the journal; none when unset, cleared, or in another journal.
TEST_F(EntryDocument, NewEntriesStartWithTheirJournalsTemplate) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const std::string before = dumpJournal(path);
    view.type(kMine);
    ASSERT_TRUE(entry.handleCommand(ID_ENTRY_SET_TEMPLATE));
    EXPECT_EQ(dumpJournal(path), before);
    entry.OnNewDocument();
    EXPECT_TRUE(view.text == kMine && !view.modified);
    EXPECT_EQ(NewEntryTemplate::textFor(pathFor("other.qbk")), "");
    ASSERT_TRUE(entry.handleCommand(ID_ENTRY_CLEAR_TEMPLATE));
    entry.OnNewDocument();
    EXPECT_EQ(view.text, "");
}

TEST_F(EntryDocument, AnEntryOpenedAndClosedUnchangedIsNeverWritten) {
    const std::string id = openStored(entry);
    const std::string before = fileBytes(path);
    EXPECT_TRUE(entry.QueryClose());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(doc.Editor(), nullptr);
    EXPECT_EQ(doc.OpenEntryId(), "");
    EXPECT_EQ(doc.LoadEntryText(id), kText);
}

// Closing a modified new entry that has topics, for each answer to the save question.
TEST_F(EntryDocument, ClosingANewEntryAsksAndItsTopicsFollowTheAnswer) {
    // The answer; whether the window closes; entry rows and placeholder links left.
    const std::tuple<MessageAnswer, bool, std::size_t, std::size_t> cases[] = {
        {MessageAnswer::Yes, true, 1, 0}, // saved: the links moved to the new entry
        {MessageAnswer::No, true, 0, 0},  // discarded, topics too
        {MessageAnswer::Cancel, false, 0, 1},
    };
    for (const auto& [answer, closes, rows, placeholderLinks] : cases) {
        SCOPED_TRACE(static_cast<int>(answer));
        rawExec(path, "DELETE FROM Entry; DELETE FROM Entry2Topic");
        FakeTextView v;
        CEntryDoc e(doc, ui, v);
        e.OnNewDocument();
        linkTopic(kNewEntryId);
        v.type(kText);
        expectSaveQuestion(answer);
        EXPECT_EQ(e.QueryClose(), closes);
        EXPECT_EQ(entryRows(), rows);
        EXPECT_EQ(linksOf(kNewEntryId), placeholderLinks);
        if (answer == MessageAnswer::Yes) {
            EXPECT_EQ(linksOf(e.EntryId()), 1u);
        }
        EXPECT_EQ(v.modified, answer != MessageAnswer::Yes);
        EXPECT_EQ(doc.Editor() == nullptr, closes);
        EXPECT_EQ(ui.messages().back().icon, MessageIcon::Question); // after "Journal Created"
        if (!closes)
            e.OnCloseDocument();
    }
}

TEST_F(EntryDocument, AFailedSaveKeepsTheTextModifiedAndTheWindowOpen) {
    const std::string id = openStored(entry);
    rawExec(path, "CREATE TRIGGER refuse BEFORE UPDATE ON Entry BEGIN "
                  "SELECT RAISE(ABORT, 'database or disk is full'); END");
    view.type(kOther);
    ui.answerMessage(MessageAnswer::Ok); // the failure, told
    EXPECT_FALSE(entry.OnSaveEntry());
    EXPECT_TRUE(view.modified);
    EXPECT_NE(ui.messages().back().detail.find("full"), std::string::npos);

    // Closing asks; Yes tries again, fails again, and the window stays.
    expectSaveQuestion(MessageAnswer::Yes);
    ui.answerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(entry.QueryClose());
    EXPECT_TRUE(view.modified);
    EXPECT_EQ(doc.Editor(), &entry);
    EXPECT_EQ(doc.LoadEntryText(id), kText);
}

TEST_F(EntryDocument, SavingAnEntryWhoseRowIsGoneOffersANewEntry) {
    const std::string id = openStored(entry);
    rawExec(path, "DELETE FROM Entry WHERE EntryID = '" + id + "'"); // another program
    view.type(kOther);
    ui.answerMessage(kEntryGone, MessageAnswer::No);
    EXPECT_FALSE(entry.OnSaveEntry());
    EXPECT_TRUE(view.modified);
    EXPECT_EQ(entryRows(), 0u);

    ui.answerMessage(kEntryGone, MessageAnswer::Yes);
    ASSERT_TRUE(entry.OnSaveEntry());
    EXPECT_EQ(entryRows(), 1u);
    EXPECT_EQ(doc.LoadEntryText(entry.EntryId()), kOther);
    EXPECT_EQ(doc.OpenEntryId(), entry.EntryId());
    EXPECT_FALSE(view.modified);
}

TEST_F(EntryDocument, ClosingTheJournalAsksAndCancelKeepsBothOpen) {
    openStored(entry);
    view.type(kOther);
    expectSaveQuestion(MessageAnswer::Cancel);
    EXPECT_FALSE(doc.CloseJournal());
    EXPECT_TRUE(doc.IsJournalOpen());
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(doc.Editor(), &entry);

    linkTopic(kNewEntryId); // left by an earlier new entry
    expectSaveQuestion(MessageAnswer::Yes);
    EXPECT_TRUE(doc.CloseJournal());
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(doc.IsJournalOpen());
    EXPECT_EQ(doc.Editor(), nullptr);
    EXPECT_EQ(doc.OpenEntryId(), "");
    EXPECT_EQ(linksOf(kNewEntryId), 0u);
}

TEST_F(EntryDocument, AnotherJournalNeverReceivesTheEarlierJournalsText) {
    openStored(entry);
    expectSaveQuestion(MessageAnswer::No);
    view.type(kOther);
    ASSERT_TRUE(doc.CloseJournal());
    const std::string other = createJournal("other.qbk");
    // A stale document (its window not yet gone) asked to save now.
    view.type(kOther);
    ui.answerMessage(kJournalGone, MessageAnswer::Ok);
    EXPECT_FALSE(entry.OnSaveEntry());
    EXPECT_TRUE(rawQuery(other, "SELECT EntryID FROM Entry").empty());
}

TEST_F(EntryDocument, OpeningAnotherEntryWhenTheQuestionIsCancelledKeepsTheText) {
    const std::string b = saveNewEntry(kOther);
    const std::string a = openStored(entry);
    view.type("{\\rtf1 edited\\par}");
    expectSaveQuestion(MessageAnswer::Cancel);
    doc.OpenEntry(b);
    EXPECT_EQ(entry.EntryId(), a);
    EXPECT_EQ(view.text, "{\\rtf1 edited\\par}");
    EXPECT_EQ(doc.OpenEntryId(), a);

    expectSaveQuestion(MessageAnswer::No);
    doc.OpenEntry(b);
    EXPECT_EQ(entry.EntryId(), b);
    EXPECT_EQ(view.text, kOther);
    EXPECT_EQ(doc.LoadEntryText(a), kText);
}

TEST_F(EntryDocument, PreviewAndPrintDocumentsNeverTouchTheSessionOrAsk) {
    for (CEntryDoc::Role role : {CEntryDoc::Role::Preview, CEntryDoc::Role::Print}) {
        FakeTextView v;
        {
            CEntryDoc other(doc, ui, v, role);
            other.LoadEntry(kText, "{ABC}");
            v.type(kOther);
            EXPECT_EQ(doc.Editor(), nullptr);
            EXPECT_TRUE(other.SaveModified());
            EXPECT_TRUE(other.QueryClose());
            EXPECT_FALSE(other.OnSaveEntry());
        }
        EXPECT_EQ(doc.OpenEntryId(), "");
    }
    EXPECT_EQ(entryRows(), 0u);
}

TEST_F(EntryDocument, ALongEntryShowsThePlaceholderFirst) {
    const std::string longText = "{\\rtf1 " + std::string(kLargeEntryBytes, 'x') + "\\par}";
    entry.LoadEntry(longText, "{A}");
    EXPECT_EQ(view.loads, 2);
    EXPECT_EQ(view.text, longText);
    entry.LoadEntry(kText, "{B}");
    EXPECT_EQ(view.loads, 3);
}

// A save never writes over a newer text another program stored, unless the user says so.
class SaveConflict : public EntryDocument {
protected:
    void SetUp() override {
        EntryDocument::SetUp();
        id = openStored(entry);
        view.type(kMine);
    }
    // Another program stores its text for the entry, enciphered as this program would.
    void otherProgramSaves(const std::string& rtf) {
        rawExec(path, "UPDATE Entry SET EntryText = '" +
                          EncipherForStorage(rtf, doc.Reader().Keyed()) + "' WHERE EntryID = '" +
                          id + "'");
    }
    std::vector<std::string> storedTexts() {
        std::vector<std::string> texts;
        for (const RawRow& row : rawQuery(path, "SELECT EntryID FROM Entry ORDER BY rowid"))
            texts.push_back(doc.LoadEntryText(*row[0]));
        return texts;
    }

    std::string id;
};

TEST_F(SaveConflict, EachAnswerKeepsWhatItSays) {
    // The answer; whether it saved; every stored entry's text afterwards, oldest first.
    const std::tuple<MessageAnswer, bool, std::vector<std::string>> cases[] = {
        {MessageAnswer::Yes, true, {kMine}},
        {MessageAnswer::No, true, {kOther, kMine}},
        {MessageAnswer::Cancel, false, {kOther}},
    };
    for (const auto& [answer, saved, texts] : cases) {
        SCOPED_TRACE(static_cast<int>(answer));
        rawExec(path, "DELETE FROM Entry WHERE EntryID <> '" + id + "'");
        otherProgramSaves(kText);
        entry.LoadEntry(doc.LoadEntryText(id), id);
        view.type(kMine);
        otherProgramSaves(kOther);
        ui.answerMessage(kChangedElsewhere, answer);
        EXPECT_EQ(entry.OnSaveEntry(), saved);
        EXPECT_EQ(storedTexts(), texts);
        EXPECT_EQ(view.modified, !saved);
        EXPECT_EQ(entry.EntryId() == id, answer != MessageAnswer::No);
        EXPECT_EQ(ui.messages().back().defaultAnswer, MessageAnswer::Cancel);
        // Going back to the editor and saving again asks again: the newer text is still there.
        if (!saved) {
            ui.answerMessage(kChangedElsewhere, MessageAnswer::Cancel);
            EXPECT_FALSE(entry.OnSaveEntry());
        }
    }
}

TEST_F(SaveConflict, OnlyAnotherTextAsks) {
    // Its own earlier save is no conflict, nor another program's change of the comment or date,
    // nor another program saving exactly this text.
    ASSERT_TRUE(entry.OnSaveEntry());
    view.type(kOther);
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

TEST_F(SaveConflict, EscapeOnEveryQuestionLeavesJournalAndEditorAsTheyWere) {
    // What sets the question up; what asks it and must refuse; the question.
    const std::tuple<std::function<void()>, std::function<bool()>, std::string> cases[] = {
        {[] {}, [&] { return entry.QueryClose(); }, kSaveQuestion},
        {[] {}, [&] { return doc.QueryCloseJournal(); }, JournalMessages::kQueryClose},
        {[&] { otherProgramSaves(kOther); }, [&] { return entry.OnSaveEntry(); },
         kChangedElsewhere},
        {[&] { rawExec(path, "DELETE FROM Entry"); }, [&] { return entry.OnSaveEntry(); },
         kEntryGone},
    };
    for (const auto& [prepare, ask, question] : cases) {
        SCOPED_TRACE(question);
        prepare();
        const std::vector<std::string> before = storedTexts();
        ui.escapeMessage(question);
        EXPECT_FALSE(ask());
        EXPECT_EQ(storedTexts(), before);
        EXPECT_TRUE(view.modified);
        EXPECT_FALSE(view.closed);
        EXPECT_EQ(doc.Editor(), &entry);
    }
}
