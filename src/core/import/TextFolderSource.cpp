#include "core/import/TextFolderSource.h"

#include "core/export/ExportWriter.h"
#include "core/import/ImportMessages.h"
#include "core/import/MarkdownConverter.h"
#include "core/import/RichTextBuilder.h"
#include "core/import/SourceFile.h"
#include "core/platform/QtDates.h"
#include "core/richtext/PlainText.h"
#include "core/store/TimeStamp.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <yaml-cpp/yaml.h>

namespace {

constexpr qsizetype kCommentMaxChars = 100;
constexpr qsizetype kFolderNameMaxChars = 30;

bool isEntryFile(const QString& name) {
    static const QRegularExpression kind(QStringLiteral("\\.(md|markdown|txt)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return kind.match(name).hasMatch();
}

// Markdown's backslash escapes and the character references qbk export writes.
QString unescaped(QString text) {
    text.replace(QStringLiteral("&#32;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&#9;"), QStringLiteral("\t"));
    static const QRegularExpression escape(QStringLiteral("\\\\([!-/:-@\\[-`{-~])"));
    return text.replace(escape, QStringLiteral("\\1"));
}

struct Header {
    bool frontMatter = false;
    std::string timeStamp;
    QString comment;
    QString folder;
    QStringList topics;
    QStringList tags;
};

QStringList tagList(const YAML::Node& node) {
    QStringList tags;
    if (node.IsSequence()) {
        for (const auto& tag : node)
            if (tag.IsScalar())
                tags << QString::fromStdString(tag.Scalar()).trimmed();
    } else if (node.IsScalar()) {
        for (const QString& tag : QString::fromStdString(node.Scalar()).split(u','))
            tags << tag.trimmed();
    }
    tags.removeAll(QString());
    return tags;
}

// Takes YAML front matter off the text; false (with a problem) when it is not a mapping.
bool takeFrontMatter(QString& text, Header& header, const QString& path, ImportSink& problems) {
    static const QRegularExpression block(
        QStringLiteral("^---[ \\t]*\\r?\\n(.*?)\\r?\\n(?:---|\\.\\.\\.)[ \\t]*(?:\\r?\\n|$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = block.match(text);
    if (!m.hasMatch())
        return true;
    header.frontMatter = true;
    YAML::Node root;
    try {
        root = YAML::Load(m.captured(1).toStdString());
    } catch (const YAML::Exception& e) {
        problems.note({path, ImportMessages::frontMatterNotYaml(QString::fromStdString(e.msg))});
        return false;
    }
    if (!root.IsMap()) {
        problems.note({path, ImportMessages::frontMatterNotMapping()});
        return false;
    }
    if (const YAML::Node date = root["date"]; date && date.IsScalar()) {
        const QString value = QString::fromStdString(date.Scalar());
        header.timeStamp = TimeStampFromText(value);
        if (header.timeStamp.empty()) {
            problems.note({path, ImportMessages::badDate(value.left(40))});
            return false;
        }
    }
    if (const YAML::Node title = root["title"]; title && title.IsScalar())
        header.comment = QString::fromStdString(title.Scalar()).simplified();
    if (const YAML::Node tags = root["tags"])
        header.tags = tagList(tags);
    text = text.mid(m.capturedLength(0));
    return true;
}

// The heading qbk export writes above each entry: "# when", "## when", then "*Folder:* name",
// "*Topics:* a, b" and "*Comment:* text" lines; the "---" that closes it goes too.
void takeExportHeading(QString& text, Header& header) {
    static const QRegularExpression heading(
        QStringLiteral("^# (.*)\\n\\n## \\1\\n\\n((?:\\*[A-Za-z]+:\\* .*(?:\\\\\\n|\\n\\n))*)"));
    const QRegularExpressionMatch m = heading.match(text);
    if (!m.hasMatch())
        return;
    static const QRegularExpression line(QStringLiteral("\\*([A-Za-z]+):\\* (.*?)(?:\\\\)?\\n"));
    for (const QRegularExpressionMatch& value : line.globalMatch(m.captured(2))) {
        const QString label = value.captured(1);
        const QString content = unescaped(value.captured(2));
        if (label == QLatin1String(kFolderLabel))
            header.folder = content;
        else if (label == QLatin1String(kTopicsLabel))
            header.topics = content.split(QStringLiteral(", "), Qt::SkipEmptyParts);
        else if (label == QLatin1String(kCommentLabel))
            header.comment = content;
    }
    text = text.mid(m.capturedLength(0));
    if (text.endsWith(QStringLiteral("---\n\n")))
        text.chop(5);
}

// The date at the start of a file name, and the words after it as a comment.
void dateFromName(const QString& stem, Header& header) {
    static const QRegularExpression dated(QStringLiteral(
        "^(\\d{4}-?\\d{2}-?\\d{2}(?:[ _T]\\d{2}[-:h.]\\d{2})?)(?:[ _-]+(.*?))?(?: \\(\\d+\\))?$"));
    const QRegularExpressionMatch m = dated.match(stem);
    if (!m.hasMatch())
        return;
    header.timeStamp = TimeStampFromText(m.captured(1));
    if (header.comment.isEmpty() && !header.timeStamp.empty())
        header.comment = m.captured(2).simplified();
}

class FolderWalker {
public:
    FolderWalker(const ImportOptions& options, const ImportProgress& progress, ImportSink& sink)
        : m_options(options), m_progress(progress), m_sink(sink) {}

    // False when it was stopped.
    bool walk(const QDir& dir, const QStringList& folder, int depth) {
        if (depth > ImportMessages::kMaxFolderDepth) {
            m_sink.note({dir.path(), ImportMessages::tooDeep()});
            return true;
        }
        const QFileInfoList items = dir.entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QFileInfo& item : items) {
            if (item.fileName().startsWith(u'.'))
                continue; // hidden files and folders hold no entries
            if (item.isDir()) {
                if (item.isSymLink())
                    continue; // a link may lead back up the tree
                QStringList below = folder;
                below << item.fileName().simplified().left(kFolderNameMaxChars);
                if (!walk(QDir(item.filePath()), below, depth + 1))
                    return false;
            } else if (isEntryFile(item.fileName())) {
                if (m_progress && !m_progress(m_files, 0))
                    return false;
                ++m_files;
                if (!read(item, folder))
                    return false;
            }
        }
        return true;
    }

private:
    // False when the sink stopped taking entries.
    bool read(const QFileInfo& file, const QStringList& folder) {
        const QString path = file.filePath();
        std::optional<QString> text = ReadSourceText(path, m_sink);
        if (!text)
            return true;
        text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        Header header;
        if (!takeFrontMatter(*text, header, path, m_sink))
            return true;
        // A text file is plain text unless front matter shows it was written as Markdown (as
        // note programs export it); marks alone do not: "*" and "#" are common in plain notes.
        const bool markdown = !file.suffix().toLower().startsWith(u't') || header.frontMatter;
        if (markdown)
            takeExportHeading(*text, header);
        if (header.timeStamp.empty())
            dateFromName(file.completeBaseName(), header);
        if (header.timeStamp.empty())
            header.timeStamp = MakeTimeStamp(toOleDateTime(file.lastModified()));

        RichTextBuilder out(BaseFormat(m_options));
        QStringList missing;
        if (markdown) {
            ConvertMarkdown(*text, file.dir(), out, missing);
        } else {
            QString plain = *text;
            if (plain.endsWith(u'\n'))
                plain.chop(1);
            for (const QStringView line : QStringView(plain).split(u'\n')) {
                out.startParagraph();
                out.append(line);
            }
        }
        ImportedEntry entry;
        entry.timeStamp = header.timeStamp;
        entry.comment = header.comment.left(kCommentMaxChars);
        entry.folder = folder;
        if (!header.folder.isEmpty())
            entry.folder << header.folder;
        entry.topics = header.topics;
        if (m_options.topicsFromTags)
            for (const QString& tag : header.tags)
                if (!entry.topics.contains(tag))
                    entry.topics << tag;
        entry.rtf = out.rtf();
        entry.source = path;
        NoteMissingPictures(path, missing, m_sink);
        return m_sink.take(std::move(entry));
    }

    const ImportOptions& m_options;
    const ImportProgress& m_progress;
    ImportSink& m_sink;
    std::size_t m_files = 0;
};

} // namespace

bool ReadTextFolder(const QString& folder, const ImportOptions& options, ImportSink& sink,
                    const ImportProgress& progress) {
    const QDir dir(folder);
    return !SourceFolderThere(dir, sink) || FolderWalker(options, progress, sink).walk(dir, {}, 0);
}
