// Database failures reach the user once, as a sentence naming a cause they can act on; the
// library's own words go along as detail for a bug report.
#include "core/store/JournalMessages.h"
#include "support/SessionFixture.h"

#include <QDir>

#include <tuple>

namespace {

using JournalFailures = SessionFixture;

// Which sentence a code gives is checked below; here, that creating a journal tells it.
TEST_F(JournalFailures, ANewJournalInAFolderThatIsNotThereSaysWhy) {
    ui.acceptDialog<NewJournalValues>([&](NewJournalValues& v) {
        v.m_path = pathFor("missing/folder/j.qbk");
        v.m_fileName = "j.qbk";
    });
    ui.answerMessage(JournalMessages::kFailFolderMissing, MessageAnswer::Ok);
    doc.CreateJournal();
    EXPECT_FALSE(doc.IsJournalOpen());
    EXPECT_EQ(ui.messages().back().detail.rfind("SQLITE_CANTOPEN[14]", 0), 0u);
}

TEST(JournalFailureText, EachCodeNamesItsCause) {
    const QTemporaryDir dir;
    const std::string file = QDir(dir.path()).filePath(QStringLiteral("j.qbk")).toStdString();
    const std::tuple<int, std::string, const char*> cases[] = {
        {5, file, JournalMessages::kFailBusy},
        {6, file, JournalMessages::kFailBusy},
        {13, file, JournalMessages::kFailDiskFull},
        {8, file, JournalMessages::kFailReadOnlyFile},
        {8 | (6 << 8), "/no/such/folder/j.qbk", JournalMessages::kFailFolderMissing},
        {10, file, JournalMessages::kFailDiskError},
        {11, file, JournalMessages::kFailDamaged},
        {26, file, JournalMessages::kFailDamaged},
        {14, file, JournalMessages::kFailCannotOpen},
        {14, "/tmp/" + std::string(256, 'a'), JournalMessages::kFailNameTooLong},
        {14, "/" + std::string(4100, 'b'), JournalMessages::kFailNameTooLong},
        {7, file, JournalMessages::kFailNoMemory},
        {19, file, JournalMessages::kFailOther},
        {1000, file, JournalMessages::kFailDamagedValue},
    };
    for (const auto& [code, path, sentence] : cases)
        EXPECT_EQ(JournalMessages::DatabaseFailure(code, path), sentence)
            << code << ' ' << path.substr(0, 40);
}

} // namespace
