// What an export leaves on disk: complete files only, never a half-written or stray one.

#include "support/ExportFixture.h"
#include "support/SmallDisk.h"

class ExportFiles : public ExportFixture {};

TEST_F(ExportFiles, CancelledOrFailedExportLeavesNoFile) {
    // Cancelled after the second of four entries, in each format and with split.
    for (const bool split : {false, true}) {
        for (const ExportFormat format :
             {ExportFormat::Html, ExportFormat::Markdown, ExportFormat::Text, ExportFormat::Odt}) {
            ExportRequest cancelled = request(QStringLiteral("cancelled"), format);
            cancelled.split = split;
            const ExportResult result = run(cancelled, {}, [](std::size_t done, std::size_t total) {
                EXPECT_EQ(total, 4u);
                return done < 2;
            });
            EXPECT_EQ(result.status, ExportResult::Status::Cancelled);
            EXPECT_TRUE(result.files.isEmpty());
            // Nor the first entry's picture, nor a folder made for it.
            const QStringList left =
                QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
            if (split) {
                EXPECT_TRUE(
                    QDir(cancelled.outPath).entryList(QDir::Files | QDir::Hidden).isEmpty());
            }
        }
    }
    // An ODT on a full disk (its text spooled beside it first): told, and nothing is left.
    ASSERT_TRUE(QDir(out.path()).mkdir(QStringLiteral("full")));
    SmallDisk disk(outPath(QStringLiteral("full")).toStdString(), 64);
    if (disk.mounted()) {
        disk.fill();
        const ExportResult failed = run(request(QStringLiteral("full/x.odt"), ExportFormat::Odt));
        EXPECT_EQ(failed.status, ExportResult::Status::Failed);
        EXPECT_TRUE(failed.message.contains(QStringLiteral("cannot write")))
            << failed.message.toStdString();
        disk.makeRoom();
        EXPECT_TRUE(
            QDir(outPath(QStringLiteral("full"))).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
    // Without its maker PDF is refused, not written as something else.
    EXPECT_EQ(run(request(QStringLiteral("x.pdf"), ExportFormat::Pdf)).status,
              ExportResult::Status::Failed);
    EXPECT_TRUE(outFiles().isEmpty());
}

// What may be written over is the output rule's (CliOutput tries every writing command).
TEST_F(ExportFiles, AFolderThatCannotBeWrittenIsTold) {
    const ExportResult failed = run(request(QStringLiteral("missing/deeper/out.html")));
    EXPECT_EQ(failed.status, ExportResult::Status::Failed);
    EXPECT_TRUE(failed.message.contains(QStringLiteral("cannot write")))
        << failed.message.toStdString();
}

TEST_F(ExportFiles, SplitNamesFilesByDateAndKeepsEntriesOfOneMinuteApart) {
    journal.addEntry("{E0000000-0000-0000-0000-000000000005}", "2004-07-05 14:30", "{Root}", "",
                     false, "{\\rtf1 Epsilonword}");
    journal.addEntry("{E0000000-0000-0000-0000-00000000000'}", "not a date", "{Root}", "", false,
                     "{\\rtf1 Zetaword}");
    ExportRequest split = request(QStringLiteral("split"), ExportFormat::Markdown);
    split.split = true;
    const ExportResult result = run(split);
    ASSERT_EQ(result.status, ExportResult::Status::Done) << result.message.toStdString();
    EXPECT_EQ(
        QDir(split.outPath).entryList(QDir::Files, QDir::Name),
        QStringList({QStringLiteral("2004-07-05 14-30 (2).md"),
                     QStringLiteral("2004-07-05 14-30-1.png"), // its first picture
                     QStringLiteral("2004-07-05 14-30.md"), QStringLiteral("2004-07-06 09-00.md"),
                     QStringLiteral("2004-07-07 23-59.md"), QStringLiteral("2004-07-08 00-00.md"),
                     QStringLiteral("entry E0000000-0000-0000-0000-00000000000.md")}));
    const QByteArray text = read(QStringLiteral("split/2004-07-05 14-30 (2).md"));
    EXPECT_TRUE(text.contains("Epsilonword"));
    EXPECT_FALSE(text.contains("Alphaword"));
}
