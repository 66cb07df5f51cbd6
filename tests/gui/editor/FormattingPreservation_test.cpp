// Nothing an entry holds is lost by editing it: every golden RTF sample and every entry of
// the sample journal is opened in the editor, one character is typed at the end, the entry is
// saved and read back; the model must be the original's plus that character.
#include "support/EditorTest.h"

#include "app/SampleJournal.h"
#include "richtext/ModelDump.h"
#include "richtext/RtfReader.h"
#include "support/RawSqlite.h"

#include <QTemporaryDir>

#include <filesystem>

namespace fs = std::filesystem;
using namespace richtext;

namespace {

// The original with the character typed at the end: it joins the last paragraph in the format
// of the text before it (the paragraph mark's when the paragraph is empty).
RichDocument withTypedAtEnd(RichDocument model, QChar typed) {
    if (model.paragraphs.empty())
        model.paragraphs.emplace_back();
    Paragraph& last = model.paragraphs.back();
    CharFormat format = last.mark;
    for (auto it = last.runs.rbegin(); it != last.runs.rend(); ++it) {
        if (!it->image) {
            format = it->format;
            break;
        }
    }
    appendText(last, format, QString(typed));
    return model;
}

class FormattingPreservation : public EditorTest {
protected:
    // Opens the text, types at the end, saves; returns what the file holds then.
    std::string editOnce(const std::string& id) {
        session().OpenEntry(id);
        settle();
        typeAtEnd(QStringLiteral("Z"));
        trigger(&editor(), QStringLiteral("editorSave"));
        return session().LoadEntryText(id);
    }
    void expectPreserved(const std::string& name, const std::string& original,
                         const std::string& saved) {
        const RichDocument expected = withTypedAtEnd(RtfReader::read(original), u'Z');
        EXPECT_EQ(dumpDocument(RtfReader::read(saved)), dumpDocument(expected)) << name;
    }
};

TEST_F(FormattingPreservation, EveryGoldenSampleKeepsItsFormatting) {
    const fs::path root = fs::path(__FILE__).parent_path() / "../../core/richtext/golden";
    int samples = 0;
    for (const auto& dir : fs::directory_iterator(root)) {
        const std::string original = fileBytes(dir.path() / "input.rtf");
        if (!RtfReader::isRtf(original))
            continue;
        const std::string id = "{G-" + std::to_string(++samples) + "}";
        journal.addEntry(id, "2024-03-05 08:30", "{Root}", "", false, original);
        // As stored: a text holding a zero byte (a \bin picture) is kept up to it.
        const std::string stored = session().LoadEntryText(id);
        expectPreserved(dir.path().filename().string(), stored, editOnce(id));
        EXPECT_EQ(storedRtf(id), session().LoadEntryText(id)) << "the file holds what was saved";
    }
    EXPECT_GE(samples, 10);
}

TEST_F(FormattingPreservation, EveryEntryOfTheSampleJournalKeepsItsFormatting) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("sample.qbk")).toStdString();
    ASSERT_EQ(makeSampleJournal(path), "");
    ASSERT_TRUE(session().CloseJournal());
    ASSERT_EQ(session().OpenJournal(path), CQBKDoc::OpenOk);
    int entries = 0;
    for (const RawRow& row : rawQuery(path, "SELECT EntryID FROM Entry")) {
        const std::string id = *row[0];
        const std::string original = session().LoadEntryText(id);
        expectPreserved(id, original, editOnce(id));
        ++entries;
    }
    EXPECT_GE(entries, 3);
}

} // namespace
