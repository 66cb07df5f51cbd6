// Importing RedNotebook folders, Markdown and text folders and other journals: every entry's
// date, text, formatting, topics and folder as the journal holds them afterwards.
#include "support/JournalEntries.h"
#include "support/TestJournal.h"

#include "core/export/ExportJob.h"
#include "core/import/ImportFormat.h"
#include "core/import/ImportMessages.h"
#include "core/import/ImportPreview.h"
#include "core/import/JournalImport.h"
#include "core/import/JournalSource.h"
#include "core/import/MarkdownConverter.h"
#include "core/import/RedNotebookSource.h"
#include "core/import/RichTextBuilder.h"
#include "core/import/TextFolderSource.h"
#include "core/store/NewJournalValues.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The messages given, as "file name: message".
std::vector<std::string> problemsOf(const std::vector<ImportProblem>& problems) {
    std::vector<std::string> lines;
    for (const ImportProblem& p : problems)
        lines.push_back(
            (QFileInfo(p.source).fileName() + QStringLiteral(": ") + p.message).toStdString());
    return lines;
}

ImportReport importFolder(TestJournal& journal, ImportFormat format, const QString& path,
                          const ImportOptions& options = {QStringLiteral("Arial"), 24, true}) {
    return WriteImport(journal.reader(), "{Root}", [&](ImportSink& sink) {
        return ReadImportFolder(format, path, options, sink);
    });
}

ImportReport importJournal(TestJournal& target, TestJournal& source) {
    return WriteImport(target.reader(), "{Root}",
                       [&](ImportSink& sink) { return ReadJournal(source.reader(), sink); });
}

TEST(ImportRedNotebook, FolderWrittenByRedNotebookGivesOneEntryADay) {
    QTemporaryDir dir;
    QProcess python;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral("/usr/share/rednotebook"));
    python.setProcessEnvironment(env);
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(QUILLBOOK_SOURCE_DIR "/tests/core/import/rednotebook_folder.py"),
                  dir.path()});
    ASSERT_TRUE(python.waitForFinished(60000));
    if (python.exitCode() != 0 && python.readAllStandardError().contains("No module named"))
        GTEST_SKIP() << "RedNotebook's Python modules are not installed";
    ASSERT_EQ(python.exitCode(), 0);

    TestJournal journal;
    const ImportReport report = importFolder(journal, ImportFormat::RedNotebook, dir.path());
    EXPECT_EQ(report.imported, 3u);
    EXPECT_THAT(problemsOf(report.problems),
                ElementsAre(QStringLiteral("2024-03.txt, 2024-03-05: %1")
                                .arg(ImportMessages::pictureMissing(QStringLiteral("gone.png")))
                                .toStdString()));
    EXPECT_THAT(
        entryLines(journal.reader()),
        ElementsAre("2024-03-05 12:00 |  | Mood,travel, |  | #Trip ¶ We went *far* and /slow/, "
                    "_under_ and -struck-. ¶ - bags ¶  - small one ¶ 1. first ¶ See "
                    "<https://example.org/map|the map> #travel ¶ [picture 2x3] and "
                    "<file://gone.png|gone.png> ¶ - *Mood* ¶  - happy",
                    "2024-03-17 12:00 |  |  |  | Quiet day with ümlauts.",
                    "2024-04-01 12:00 |  | Work, |  |  ¶ - *Work* ¶  - meeting ¶  - report"));
}

TEST(ImportTextFolder, DatesCommentsFoldersTopicsAndFormatting) {
    QTemporaryDir dir;
    writeFile(
        dir.filePath(QStringLiteral("2024-03-05 Trip.md")),
        "# Day\n\nSome **bold**, *it*, ~~gone~~, \\~~kept and `code`.\\\nnext\n\n"
        "- one\n  - two\n\n3. third\n\n[site](https://example.org)\n\n| a | b |\n| - | - |\n");
    writeFile(dir.filePath(QStringLiteral("notes/20240306.txt")), "line *one*\nline two\n");
    writeFile(dir.filePath(QStringLiteral("2024-03-07.txt")), "---\ntitle: Vault\n---\n**note**\n");
    writeFile(dir.filePath(QStringLiteral("fm.md")),
              "---\ndate: 2023-01-02 08:30\ntitle: Front\ntags: [a, b]\n---\nBody\n");
    writeFile(dir.filePath(QStringLiteral("undated.md")), "x");
    QFile undated(dir.filePath(QStringLiteral("undated.md")));
    ASSERT_TRUE(undated.open(QIODevice::ReadWrite));
    undated.setFileTime(QDateTime(QDate(2020, 5, 6), QTime(7, 8)), QFile::FileModificationTime);
    undated.close();

    TestJournal journal;
    const ImportReport report = importFolder(journal, ImportFormat::Markdown, dir.path());
    EXPECT_TRUE(report.problems.empty());
    EXPECT_THAT(entryLines(journal.reader()),
                ElementsAre("2020-05-06 07:08 |  |  |  | x",
                            "2023-01-02 08:30 |  | a,b, | Front | Body",
                            "2024-03-05 12:00 |  |  | Trip | #Day ¶ Some *bold*, /it/, -gone-, "
                            "~~kept and {code}.|next ¶ - one ¶  - two ¶ 1. third ¶ "
                            "<https://example.org|site> ¶ [*a* | *b*]",
                            "2024-03-06 12:00 | notes/ |  |  | line *one* ¶ line two",
                            "2024-03-07 12:00 |  |  | Vault | *note*"));
}

// A table is a table of the entry's text: a bold header row, each column's alignment,
// formatting in cells; rows of fewer or more cells than the header are made as wide as it.
TEST(ImportMarkdown, TablesKeepTheirCells) {
    const struct {
        const char* markdown;
        const char* styled;
    } cases[] = {
        {"| Day | Miles | Note |\n|:--|:-:|--:|\n| Mon | 3 | easy |",
         "[*Day* | ^*Miles* | >*Note*] ¶ [Mon | ^3 | >easy]"},
        {"| a |\n|---|\n| **b** *i* ~~s~~ `c` [l](https://x.org) \\| www.example.org |",
         "[*a*] ¶ [*b* /i/ -s- {c} <https://x.org|l> | <http://www.example.org|www.example.org>]"},
        {"| a | b |\n|---|---|\n| 1 |\n| 1 | 2 | 3 |", "[*a* | *b*] ¶ [1 | ] ¶ [1 | 2]"},
        {"Before\n\n| a |\n|---|\n| 1 |\n\nAfter", "Before ¶ [*a*] ¶ [1] ¶ After"},
        {"| a | b |\n| c |", "| a | b | | c |"}, // no delimiter row: no table
    };
    for (const auto& c : cases) {
        RichTextBuilder out{richtext::CharFormat{}};
        QStringList missing;
        ConvertMarkdown(QString::fromUtf8(c.markdown), QDir(), out, missing);
        EXPECT_EQ(styledText(out.rtf()), c.styled) << c.markdown;
    }
}

// Each bad file gets its message and the rest are imported whole.
TEST(ImportTextFolder, HostileFilesEachGetTheirMessage) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray content;
        QString message;
    } cases[] = {
        {"binary.md", QByteArray("ab\0cd", 5), ImportMessages::binaryFile()},
        {"broken.md", "---\ndate: [open\n---\nx", ImportMessages::frontMatterNotYaml({})},
        {"list.md", "---\n- a\n---\nx", ImportMessages::frontMatterNotMapping()},
        {"when.md", "---\ndate: someday\n---\nx",
         ImportMessages::badDate(QStringLiteral("someday"))},
        {"big.md", QByteArray(), ImportMessages::tooLarge()},
        {"2024-05.txt", "5: {text: [", ImportMessages::brokenYaml({})},
        {"2024-06.txt", "- a list", ImportMessages::notMonthMapping()},
        {"2024-02.txt", "30: {text: x}", ImportMessages::badDay(QStringLiteral("30"))},
    };
    for (const auto& c : cases)
        writeFile(dir.filePath(QString::fromLatin1(c.name)), c.content);
    QFile big(dir.filePath(QStringLiteral("big.md")));
    ASSERT_TRUE(big.resize(ImportMessages::kMaxFileBytes + 1));
    writeFile(dir.filePath(QStringLiteral("odd\nname ☕.md")), "fine");
    QString deep = dir.path();
    for (int i = 0; i <= ImportMessages::kMaxFolderDepth; ++i)
        deep += QStringLiteral("/d");
    writeFile(deep + QStringLiteral("/lost.md"), "lost");

    ImportPreview read;
    EXPECT_TRUE(ReadTextFolder(dir.path(), {}, read));
    EXPECT_TRUE(ReadRedNotebook(dir.path(), {}, read));
    std::vector<std::string> problems = problemsOf(read.problems());
    for (const auto& c : cases) {
        const qsizetype colon = c.message.indexOf(u':');
        const std::string start =
            c.name + std::string(": ") +
            c.message.left(colon < 0 ? c.message.size() : colon + 1).toStdString();
        EXPECT_EQ(std::count_if(problems.begin(), problems.end(),
                                [&](const std::string& p) { return p.starts_with(start); }),
                  1)
            << start;
    }
    EXPECT_THAT(problems, ::testing::Contains("d: " + ImportMessages::tooDeep().toStdString()));
    // The month files are text files too: each one that is not an entry gets its message.
    TestJournal journal;
    const ImportReport report = importFolder(journal, ImportFormat::Markdown, dir.path(), {});
    EXPECT_EQ(report.imported, 4u); // odd name, and three month files read as text
    EXPECT_EQ(journal.db().hasRow("SELECT 1 FROM Entry WHERE FolderID <> '{Root}'"), false);
}

class ImportJournal : public ::testing::Test {
protected:
    void SetUp() override {
        source.addFolder("{F1}", "{Root}", "Work");
        source.addFolder("{F2}", "{F1}", "Old");
        source.addTopic("{T1}", "Work");
        source.addTopic("{T2}", "Home");
        const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 plain \\b bold"
                                "\\b0  \\i it\\i0  \\strike st\\strike0\\line broken\\par "
                                "{\\field{\\*\\fldinst HYPERLINK \"https://example.org/\"}"
                                "{\\fldrslt site}}\\par}";
        source.addEntry("{E1}", "2024-01-02 09:30", "{F1}", "Mine", true, rtf);
        source.addEntry("{E2}", "2024-01-03 10:00", "{Root}", "derived", false, rtf);
        source.addEntry("{E3}", "2024-01-04 11:00", "{F2}", "", false, "{\\rtf1 deep\\par}");
        source.link("{E1}", "{T1}");
        source.link("{E1}", "{T2}");
        target.addTopic("{TT}", "Work");
    }

    TestJournal source{"secret"};
    TestJournal target{NewJournalValues{}, "{99999999-8888-7777-6666-555555555555}"};
};

// Entries keep ids, folders and topics, texts are enciphered with the target's key, and a
// second import adds nothing.
TEST_F(ImportJournal, SecondImportAddsNothing) {
    const ImportReport first = importJournal(target, source);
    EXPECT_EQ(first.imported, 3u);
    EXPECT_EQ(entryLines(target.reader()), entryLines(source.reader()));
    EXPECT_EQ(target.db().query("SELECT count(*) FROM Topic WHERE Name = 'Work'").intField(0), 1);
    const QByteArray bytes = fileBytes(target.path());

    const ImportReport second = importJournal(target, source);
    EXPECT_EQ(second.imported, 0u);
    EXPECT_EQ(second.skipped, 3u);
    EXPECT_EQ(entryLines(target.reader()), entryLines(source.reader()));
    EXPECT_EQ(fileBytes(target.path()), bytes);
}

// The cancel comes after the transaction has outgrown SQLite's page cache and spilled into the
// file: the rollback still leaves the file as it was, byte for byte.
TEST_F(ImportJournal, CancelledImportLeavesTheFileAsItWas) {
    const QByteArray bytes = fileBytes(target.path());
    target.db().execute("PRAGMA cache_size = 16");
    ImportedEntry filler;
    filler.timeStamp = "2024-01-01 12:00";
    filler.rtf = "{\\rtf1 " + std::string(8000, 'x') + "\\par}";
    qint64 spilled = 0;
    const ImportReport report = WriteImport(target.reader(), "{Root}", [&](ImportSink& sink) {
        for (int i = 0; i < 100; ++i)
            EXPECT_TRUE(sink.take(ImportedEntry(filler)));
        spilled = QFileInfo(QString::fromStdString(target.path())).size();
        return ReadJournal(source.reader(), sink,
                           [](std::size_t done, std::size_t) { return done < 2; });
    });
    EXPECT_GT(spilled, bytes.size());
    EXPECT_EQ(report.status, ImportReport::Status::Cancelled);
    EXPECT_EQ(fileBytes(target.path()), bytes);
}

// What qbk export --split writes comes back as the same entries (top-level folders: the
// export names an entry's folder, not its path).
TEST_F(ImportJournal, MarkdownExportReadsBackAsTheSameEntries) {
    source.db().execute("UPDATE Entry SET FolderID = '{F1}' WHERE EntryID = '{E3}'");
    QTemporaryDir dir;
    ExportRequest request;
    request.format = ExportFormat::Markdown;
    request.split = true;
    request.outPath = dir.filePath(QStringLiteral("out"));
    ASSERT_EQ(RunExport(source.reader(), request).status, ExportResult::Status::Done);

    const ImportReport report = importFolder(target, ImportFormat::Markdown, request.outPath, {});
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(entryLines(target.reader()), entryLines(source.reader()));
}

} // namespace
