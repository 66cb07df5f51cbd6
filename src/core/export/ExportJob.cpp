#include "core/export/ExportJob.h"

#include "core/export/EntryReader.h"
#include "core/export/SafeFile.h"
#include "core/session/JournalReader.h"
#include "core/store/TimeStamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

namespace {

// One output document, written into a file that gets its name when complete: the writer's
// text piece by piece, or HTML gathered for a converter, or entries laid out on pages.
class Output {
public:
    Output(SafeFile& file, const ExportFormat format, const ExportMakers& makers)
        : m_file(file), m_converter(format == ExportFormat::Odt ? makers.odt : HtmlConverter()),
          m_pagesMaker(format == ExportFormat::Pdf ? makers.pdf : EntryPagesMaker()) {}

    bool open(const QString& title, QString& error) {
        if (!m_file.open())
            return fileError(error);
        if (m_pagesMaker)
            m_pages = m_pagesMaker(m_file.device(), title);
        return true;
    }

    // The writer's bytes; pages take none.
    bool write(const std::string& bytes, QString& error) {
        if (m_pages)
            return true;
        if (m_converter) {
            m_html.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
            return true;
        }
        return writeFile(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), error);
    }

    bool entry(ExportWriter& writer, const ExportedEntry& entry, QString& error) {
        if (!m_pages)
            return write(writer.entry(entry), error);
        return m_pages->printEntry(entry.storedText, entry.when) || fileError(error);
    }

    // Everything is on disk under the temporary name; the file's commit names it.
    bool complete(QString& error) {
        if (m_pages && !m_pages->finish())
            return fileError(error);
        m_pages.reset();
        if (m_converter) {
            const QByteArray converted = m_converter(m_html, error);
            if (converted.isEmpty()) {
                m_file.discard();
                return false;
            }
            if (!writeFile(converted, error))
                return false;
        }
        return m_file.finish() || fileError(error);
    }

private:
    // The file's own cause when it has one (a failed write is noticed at the latest when the
    // file is finished), and the file is given up.
    bool fileError(QString& error) {
        m_file.abandon();
        error = m_file.message();
        return false;
    }

    bool writeFile(const QByteArray& bytes, QString& error) {
        return m_file.device().write(bytes) == bytes.size() || fileError(error);
    }

    SafeFile& m_file;
    HtmlConverter m_converter;
    EntryPagesMaker m_pagesMaker;
    std::unique_ptr<EntryPages> m_pages; // ends before the file it writes to
    QByteArray m_html;
};

class Job {
public:
    Job(const ExportRequest& request, const ExportMakers& makers, const ExportProgress& progress)
        : m_request(request), m_makers(makers), m_progress(progress),
          m_rule({request.journalPath}, request.overwrite),
          m_writer(MakeExportWriter(request.format)) {}

    ExportResult run(EntryReader& reader) {
        if (m_request.split)
            splitExport(reader);
        else
            singleExport(reader);
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
        SafeFile file(path, m_rule);
        Output out(file, m_request.format, m_makers);
        QString error;
        if (!out.open(m_request.title, error) ||
            !out.write(m_writer->begin(m_request.title), error)) {
            fail(error);
            return;
        }
        ExportedEntry entry;
        while (reader.next(entry)) {
            if (!out.entry(*m_writer, entry, error)) {
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
        if (!file.commit()) {
            fail(file.message());
            return;
        }
        m_result.files << path;
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
                fail(QStringLiteral("cannot make the folder %1").arg(m_request.outPath));
                return;
            }
        }
        const QDir folder(staging ? staging->path() : outPath);
        const QString extension = QLatin1String(ExportFormatExtension(m_request.format));
        std::vector<std::unique_ptr<SafeFile>> files;
        QStringList paths;
        ExportedEntry entry;
        while (reader.next(entry)) {
            const QString path =
                uniquePath(paths, folder, SplitFileStem(entry.timeStamp, entry.id), extension);
            files.push_back(std::make_unique<SafeFile>(path, m_rule));
            paths << path;
            Output out(*files.back(), m_request.format, m_makers);
            QString error;
            if (!out.open(entry.when, error) || !out.write(m_writer->begin(entry.when), error) ||
                !out.entry(*m_writer, entry, error) || !out.write(m_writer->end(), error) ||
                !out.complete(error)) {
                fail(error);
                return;
            }
            if (!advance(reader))
                return;
        }
        if (!commitAll(files) || !staging)
            return;
        if (!QDir().rename(staging->path(), outPath)) {
            fail(QStringLiteral("cannot make the folder %1").arg(m_request.outPath));
            m_result.files.clear();
            return;
        }
        staging->setAutoRemove(false);
        m_result.files.replaceInStrings(staging->path(), outPath);
    }

    // Should a rename fail, the files this export made are removed again; files it replaced
    // cannot be given back and are left as written.
    bool commitAll(const std::vector<std::unique_ptr<SafeFile>>& files) {
        QStringList created;
        for (const auto& file : files) {
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
    const ExportMakers& m_makers;
    const ExportProgress& m_progress;
    const OutputRule m_rule;
    std::unique_ptr<ExportWriter> m_writer;
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
    if ((request.format == ExportFormat::Odt && !makers.odt) || (pages && !makers.pdf)) {
        result.status = ExportResult::Status::Failed;
        result.message =
            QStringLiteral("this program cannot write %1 files")
                .arg(QString::fromLatin1(ExportFormatExtension(request.format)).toUpper());
        return result;
    }
    EntryReader reader(journal, ChosenEntryRows(db, request.choice),
                       pages ? EntryReader::Reads::StoredText : EntryReader::Reads::Everything);
    if (reader.count() == 0) {
        result.status = ExportResult::Status::Failed;
        result.message = QStringLiteral("no entry matches the choice");
        return result;
    }
    result = Job(request, makers, progress).run(reader);
    result.problems = reader.problems();
    return result;
}
