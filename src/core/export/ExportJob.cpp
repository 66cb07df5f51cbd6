#include "core/export/ExportJob.h"

#include "core/export/EntryReader.h"
#include "core/export/SafeFile.h"
#include "core/session/JournalReader.h"
#include "core/store/TimeStamp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <optional>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

// One output document, written into a file that gets its name when complete: the writer's
// text piece by piece, or its body kept in a spool beside the file until the writer wraps it
// into its package, or entries laid out on pages.
class Output {
public:
    Output(SafeFile& file, ExportWriter& writer, const EntryPagesMaker& pagesMaker)
        : m_file(file), m_writer(writer), m_pagesMaker(pagesMaker) {}

    bool open(const QString& title, QString& error) {
        if (!m_file.open())
            return fileError(error);
        if (m_pagesMaker)
            m_pages = m_pagesMaker(m_file.device(), title);
        else if (m_writer.packaged())
            return openSpool(error);
        return true;
    }

    // The writer's bytes; pages take none.
    bool write(const std::string& bytes, QString& error) {
        if (m_pages)
            return true;
        const QByteArray piece = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
        if (m_spool)
            return m_spool->write(piece) == piece.size() || spoolError(error);
        return m_file.device().write(piece) == piece.size() || fileError(error);
    }

    bool entry(const ExportedEntry& entry, QString& error) {
        if (!m_pages)
            return write(m_writer.entry(entry), error);
        return m_pages->printEntry(entry.storedText, entry.when) || fileError(error);
    }

    // Everything is on disk under the temporary name; the file's commit names it.
    bool complete(QString& error) {
        if (m_pages && !m_pages->finish())
            return fileError(error);
        m_pages.reset();
        if (m_spool) {
            if (!m_spool->flush())
                return spoolError(error);
            if (!m_writer.writePackage(*m_spool, m_file.device()))
                return fileError(error);
            m_spool.reset();
        }
        return m_file.finish() || fileError(error);
    }

private:
    // The spool lies beside the file, where the file's own text goes anyway.
    bool openSpool(QString& error) {
        m_spool = std::make_unique<QTemporaryFile>(
            QFileInfo(m_file.target()).dir().filePath(QStringLiteral(".qbk-spool-XXXXXX")));
        return m_spool->open() || spoolError(error);
    }

    bool spoolError(QString& error) {
        const QString cause = m_spool->errorString();
        m_spool.reset();
        m_file.abandon();
        error = Texts::tr("cannot write %1: %2").arg(m_file.target(), cause);
        return false;
    }

    // The file's own cause when it has one (a failed write is noticed at the latest when the
    // file is finished), and the file is given up.
    bool fileError(QString& error) {
        m_file.abandon();
        error = m_file.message();
        return false;
    }

    SafeFile& m_file;
    ExportWriter& m_writer;
    EntryPagesMaker m_pagesMaker;
    std::unique_ptr<EntryPages> m_pages; // ends before the file it writes to
    std::unique_ptr<QTemporaryFile> m_spool;
};

class Job {
public:
    Job(const ExportRequest& request, const ExportMakers& makers, const ExportProgress& progress)
        : m_request(request), m_progress(progress),
          m_rule({request.journalPath}, request.overwrite),
          m_writer(MakeExportWriter(request.format, request.embedPictures)),
          m_pagesMaker(request.format == ExportFormat::Pdf ? makers.pdf : EntryPagesMaker()) {}

    ExportResult run(EntryReader& reader) {
        if (m_request.split)
            splitExport(reader);
        else
            singleExport(reader);
        if (m_result.status != ExportResult::Status::Done) {
            // The files left unnamed go first, then the folders made for them.
            m_files.clear();
            for (auto folder = m_madeFolders.crbegin(); folder != m_madeFolders.crend(); ++folder)
                QDir().rmdir(*folder);
        }
        return m_result;
    }

private:
    bool fail(const QString& message) {
        m_result.status = ExportResult::Status::Failed;
        m_result.message = message;
        return false;
    }

    bool advance(const EntryReader& reader) {
        ++m_result.entries;
        if (!m_progress || m_progress(reader.done(), reader.count()))
            return true;
        m_result.status = ExportResult::Status::Cancelled;
        return false;
    }

    void singleExport(EntryReader& reader) {
        const QString& path = m_request.outPath;
        auto document = std::make_unique<SafeFile>(path, m_rule);
        Output out(*document, *m_writer, m_pagesMaker);
        const QDir folder = QFileInfo(path).dir();
        m_writer->setSideFilePrefix(QFileInfo(path).completeBaseName() + QStringLiteral("_files/"));
        QString error;
        if (!out.open(m_request.title, error) ||
            !out.write(m_writer->begin(m_request.title), error)) {
            fail(error);
            return;
        }
        ExportedEntry entry;
        while (reader.next(entry)) {
            if (!out.entry(entry, error) || !writeSideFiles(folder, error)) {
                fail(error);
                return;
            }
            if (!advance(reader))
                return;
        }
        if (!out.write(m_writer->end(), error) || !out.complete(error)) {
            fail(error);
            return;
        }
        // The pictures get their names before the document that shows them.
        m_files.push_back(std::move(document));
        commitAll();
    }

    // The files the last entry refers to, each complete beside the document.
    bool writeSideFiles(const QDir& folder, QString& error) {
        for (const SideFile& side : m_writer->takeSideFiles()) {
            const QString path = folder.filePath(side.relativePath);
            const QString parent = QFileInfo(path).absolutePath();
            if (!QFileInfo::exists(parent)) {
                if (!QDir().mkpath(parent)) {
                    error = Texts::tr("cannot make the folder %1").arg(parent);
                    return false;
                }
                m_madeFolders << parent;
            }
            m_files.push_back(std::make_unique<SafeFile>(path, m_rule));
            SafeFile& file = *m_files.back();
            if (!file.open() || file.device().write(side.bytes) != side.bytes.size() ||
                !file.finish()) {
                file.abandon();
                error = file.message();
                return false;
            }
        }
        return true;
    }

    // Every entry's file is complete on disk before the first one gets its name, so a failure
    // part-way names none of them.
    void splitExport(EntryReader& reader) {
        // A folder made for the export is filled under a temporary name beside it.
        std::optional<QTemporaryDir> staging;
        const QString outPath = QDir::cleanPath(m_request.outPath);
        if (!QFileInfo(outPath).isDir()) {
            QDir().mkpath(QFileInfo(outPath).path());
            staging.emplace(outPath + QStringLiteral(".part-XXXXXX"));
            if (!staging->isValid()) {
                fail(Texts::tr("cannot make the folder %1").arg(m_request.outPath));
                return;
            }
        }
        const QDir folder(staging ? staging->path() : outPath);
        const QString extension = QLatin1String(ExportFormatExtension(m_request.format));
        QStringList paths;
        ExportedEntry entry;
        while (reader.next(entry)) {
            const QString path =
                uniquePath(paths, folder, SplitFileStem(entry.timeStamp, entry.id), extension);
            m_files.push_back(std::make_unique<SafeFile>(path, m_rule));
            paths << path;
            // Each entry's pictures lie beside its file, named after it.
            m_writer->setSideFilePrefix(QFileInfo(path).completeBaseName() + u'-');
            Output out(*m_files.back(), *m_writer, m_pagesMaker);
            QString error;
            if (!out.open(entry.when, error) || !out.write(m_writer->begin(entry.when), error) ||
                !out.entry(entry, error) || !out.write(m_writer->end(), error) ||
                !out.complete(error) || !writeSideFiles(folder, error)) {
                fail(error);
                return;
            }
            if (!advance(reader))
                return;
        }
        if (!commitAll() || !staging)
            return;
        if (!QDir().rename(staging->path(), outPath)) {
            fail(Texts::tr("cannot make the folder %1").arg(m_request.outPath));
            m_result.files.clear();
            return;
        }
        staging->setAutoRemove(false);
        m_result.files.replaceInStrings(staging->path(), outPath);
    }

    // Should a rename fail, the files this export made are removed again; files it replaced
    // cannot be given back and are left as written.
    bool commitAll() {
        QStringList created;
        for (const auto& file : m_files) {
            if (!file->commit()) {
                fail(file->message());
                for (const QString& path : created)
                    QFile::remove(path);
                m_result.files.clear();
                return false;
            }
            if (file->created())
                created << file->target();
            m_result.files << file->target();
        }
        return true;
    }

    // Entries of the same minute get " (2)", " (3)"... after the first one's name.
    static QString uniquePath(const QStringList& taken, const QDir& folder, const QString& stem,
                              const QString& extension) {
        QString name = stem + u'.' + extension;
        for (int n = 2; taken.contains(folder.filePath(name)); ++n)
            name = QStringLiteral("%1 (%2).%3").arg(stem).arg(n).arg(extension);
        return folder.filePath(name);
    }

    const ExportRequest& m_request;
    const ExportProgress& m_progress;
    const OutputRule m_rule;
    std::unique_ptr<ExportWriter> m_writer;
    EntryPagesMaker m_pagesMaker;
    std::vector<std::unique_ptr<SafeFile>> m_files; // complete, named together at the end
    QStringList m_madeFolders;
    ExportResult m_result;
};

} // namespace

QString SplitFileStem(const std::string& timeStamp, const std::string& entryId) {
    const COleDateTime when = ParseTimeStamp(timeStamp.c_str());
    if (when.IsValid())
        return QString::fromStdString(when.Format("%Y-%m-%d %H-%M"));
    QString id = QString::fromLatin1(entryId.data(), qsizetype(entryId.size()));
    id.remove(QRegularExpression(QStringLiteral("[^0-9A-Za-z-]")));
    return QStringLiteral("entry ") + id;
}

ExportResult RunExport(const JournalReader& journal, const ExportRequest& request,
                       const ExportMakers& makers, const ExportProgress& progress) {
    SqlDatabase& db = journal.Db();
    ExportResult result;
    const bool pages = request.format == ExportFormat::Pdf;
    if (pages && !makers.pdf) {
        result.status = ExportResult::Status::Failed;
        result.message = Texts::tr("this program cannot write PDF files");
        return result;
    }
    EntryReader reader(journal, ChosenEntryRows(db, request.choice),
                       pages ? EntryReader::Reads::StoredText : EntryReader::Reads::Everything);
    if (reader.count() == 0) {
        result.status = ExportResult::Status::Failed;
        result.message = Texts::tr("no entry matches the choice");
        return result;
    }
    result = Job(request, makers, progress).run(reader);
    result.problems = reader.problems();
    return result;
}
