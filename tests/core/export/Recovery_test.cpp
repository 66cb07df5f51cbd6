// Recovery copies: enciphered with the journal's key, owner-only, one file per journal and
// entry, offered only to their own journal and key, and removed in order after their writes.
#include "core/export/RecoveryOffer.h"
#include "core/export/RecoveryWriter.h"
#include "support/RawSqlite.h"
#include "support/SessionFixture.h"
#include "support/TestJournal.h"

#include <QFile>

#include <fstream>

namespace {

const std::string kText = "{\\rtf1\\ansi Plans for the {\\b garden}, row by row, bed by bed.\\par}";

class RecoveryTest : public SessionFixture {
protected:
    RecoveryCopy copy(const std::string& journal, const std::string& entry) const {
        return {RecoveryCopy::journalName(journal), entry, QDateTime::currentDateTimeUtc(), kText};
    }
    RecoveryFolder folder{dir.filePath(QStringLiteral("state/recovery"))};
};

TEST_F(RecoveryTest, ACopyOpensOnlyForItsJournalAndKeyAndHoldsNoTextInTheClear) {
    TestJournal mine("secret"), other("secret"); // the same content key
    BlowfishEngine wrongKey;
    wrongKey.SetKey("{99999999-2222-3333-4444-555555555555}");
    const std::string name = RecoveryCopy::journalName(mine.path());
    ASSERT_EQ(folder.write(copy(mine.path(), "{E1}"), mine.reader().Keyed()), QString());
    const QString file = folder.fileFor(name, "{E1}");
    for (const QString& path : {file, folder.path()}) // the user's alone
        EXPECT_EQ(QFile::permissions(path) & 0x0077, 0) << path.toStdString();
    const std::string bytes = fileBytes(file.toStdString());
    for (std::size_t at = 0; at + 8 <= kText.size(); ++at)
        ASSERT_EQ(bytes.find(kText.substr(at, 8)), std::string::npos) << at;

    const auto found = folder.copiesOf(name, mine.reader().Keyed());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].rtf, kText);
    EXPECT_EQ(found[0].entryId, "{E1}");
    EXPECT_EQ(found[0].firstWords(), QStringLiteral("Plans for the garden, row by row, bed..."));
    EXPECT_TRUE(folder.copiesOf(name, wrongKey).empty());
    // Under the other journal's name, the identity sealed inside still refuses it.
    const std::string otherName = RecoveryCopy::journalName(other.path());
    ASSERT_TRUE(QFile::copy(file, folder.fileFor(otherName, "{E1}")));
    EXPECT_TRUE(folder.copiesOf(otherName, other.reader().Keyed()).empty());
    // A damaged copy does not open.
    std::string damaged = bytes;
    damaged[damaged.size() / 2] ^= 1;
    std::ofstream(file.toStdString(), std::ios::binary) << damaged;
    EXPECT_TRUE(folder.copiesOf(name, mine.reader().Keyed()).empty());
}

TEST_F(RecoveryTest, TheWriterReplacesAndRemovesTheCopyItKeeps) {
    const std::string journal = createJournal("j.qbk");
    const std::string name = RecoveryCopy::journalName(journal);
    EXPECT_EQ(name, RecoveryCopy::journalName(pathFor("./j.qbk"))); // one journal, one name
    const std::string id = saveNewEntry("{\\rtf1 stored\\par}");
    {
        RecoveryWriter writer(folder);
        writer.keep(copy(journal, ""), doc.Reader().Keyed());
        writer.keep(copy(journal, id), doc.Reader().Keyed()); // the new entry was saved
        writer.waitForDone();
        EXPECT_FALSE(QFile::exists(folder.fileFor(name, "")));
        EXPECT_TRUE(QFile::exists(folder.fileFor(name, id)));
        writer.drop(); // done on the way out
    }
    EXPECT_FALSE(QFile::exists(folder.fileFor(name, id)));

    // Offered with the entry's date; a copy whose entry went comes back as a new entry.
    folder.write(copy(journal, id), doc.Reader().Keyed());
    folder.write(copy(journal, "{gone}"), doc.Reader().Keyed());
    const auto offers = RecoveryOffer::Find(doc, folder);
    ASSERT_EQ(offers.size(), 2u);
    for (const RecoveryOffer& offer : offers) {
        EXPECT_EQ(offer.asNewEntry(), offer.copy.entryId == "{gone}");
        EXPECT_TRUE(offer.question.contains(QStringLiteral("row by row")));
        EXPECT_TRUE(offer.question.contains(offer.asNewEntry() ? QStringLiteral("a new entry")
                                                               : QStringLiteral("the entry of")));
    }
}

} // namespace
