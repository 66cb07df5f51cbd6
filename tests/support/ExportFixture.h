#pragma once

#include "support/TestJournal.h"

#include "core/export/ExportJob.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Four entries, each with a marker word of its own, in two folders and the top, two topics;
// inserted out of date order, so an export in table order would show.
class ExportFixture : public ::testing::Test {
public:
    static constexpr const char* kWork = "{F0000000-0000-0000-0000-000000000001}";
    static constexpr const char* kHome = "{F0000000-0000-0000-0000-000000000002}";
    static constexpr const char* kTravel = "{70000000-0000-0000-0000-000000000001}";
    static constexpr const char* kFood = "{70000000-0000-0000-0000-000000000002}";

    struct Sample {
        const char* id;
        const char* stamp;
        const char* folder;
        const char* marker;
    };
    // A picture (the PNG signature) 20 by 10 pixels; the first entry shows it.
    static constexpr const char* kPicture =
        "{\\pict\\pngblip\\picw1\\pich1\\picwgoal300\\pichgoal150 89504e470d0a1a0a}";
    static inline const QByteArray kPictureBytes = QByteArray::fromHex("89504e470d0a1a0a");

    // In date order; inserted in the order 2, 0, 3, 1.
    static constexpr Sample kEntries[] = {
        {"{E0000000-0000-0000-0000-000000000001}", "2004-07-05 14:30", kWork, "Alphaword"},
        {"{E0000000-0000-0000-0000-000000000002}", "2004-07-06 09:00", "{Root}", "Betaword"},
        {"{E0000000-0000-0000-0000-000000000003}", "2004-07-07 23:59", kHome, "Gammaword"},
        {"{E0000000-0000-0000-0000-000000000004}", "2004-07-08 00:00", kWork, "Deltaword"},
    };

protected:
    ExportFixture() {
        journal.addFolder(kWork, "{Root}", "Work");
        journal.addFolder(kHome, "{Root}", "Home");
        journal.addTopic(kTravel, "Travel");
        journal.addTopic(kFood, "Food");
        for (const int i : {2, 0, 3, 1}) {
            const Sample& e = kEntries[i];
            journal.addEntry(e.id, e.stamp, e.folder, std::string("Note on ") + e.marker, i == 0,
                             std::string("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 {\\b ") +
                                 e.marker + "} & <tag> \\par second line" +
                                 (i == 0 ? kPicture : "") + "}");
        }
        journal.link(kEntries[0].id, kTravel);
        journal.link(kEntries[0].id, kFood);
        journal.link(kEntries[2].id, kTravel);
    }

    // A request to write `name` in the output folder.
    ExportRequest request(const QString& name, ExportFormat format = ExportFormat::Html,
                          const EntryChoice& choice = {}) const {
        ExportRequest request;
        request.choice = choice;
        request.format = format;
        request.outPath = out.filePath(name);
        request.title = QStringLiteral("Test Journal");
        return request;
    }
    ExportResult run(const ExportRequest& request, const ExportMakers& makers = {},
                     const ExportProgress& progress = {}) {
        return RunExport(journal.reader(), request, makers, progress);
    }

    QString outPath(const QString& name) const { return out.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(out.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Files in the output folder, temporary ones included.
    QStringList outFiles() const {
        return QDir(out.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TestJournal journal;
    QTemporaryDir out;
};
