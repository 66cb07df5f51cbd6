#include "core/import/RedNotebookSource.h"

#include "core/import/ImportMessages.h"
#include "core/import/RedNotebookMarkup.h"
#include "core/import/RichTextBuilder.h"
#include "core/import/SourceFile.h"
#include "core/store/TimeStamp.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <yaml-cpp/yaml.h>

namespace {

QString text(const YAML::Node& node) {
    return node.IsScalar() ? QString::fromStdString(node.Scalar()) : QString();
}

struct Day {
    QString text;
    std::vector<std::pair<QString, QStringList>> categories;
};

Day readDay(const YAML::Node& node) {
    Day day;
    if (!node.IsMap())
        return day;
    for (const auto& item : node) {
        const QString key = text(item.first);
        if (key == u"text") {
            day.text = text(item.second);
            continue;
        }
        QStringList entries;
        if (item.second.IsMap())
            for (const auto& entry : item.second)
                entries << text(entry.first);
        day.categories.emplace_back(key, entries);
    }
    return day;
}

class MonthReader {
public:
    MonthReader(const QDir& folder, const ImportOptions& options, ImportSink& sink)
        : m_folder(folder), m_options(options), m_sink(sink) {}

    // False when the sink stopped taking entries.
    bool read(const QString& name, int year, int month) {
        const QString path = m_folder.filePath(name);
        const std::optional<QString> content = ReadSourceText(path, m_sink);
        if (!content)
            return true;
        YAML::Node root;
        try {
            root = YAML::Load(content->toStdString());
        } catch (const YAML::Exception& e) {
            m_sink.note({path, ImportMessages::brokenYaml(QString::fromStdString(e.msg))});
            return true;
        }
        if (root.IsNull())
            return true; // an empty month
        if (!root.IsMap()) {
            m_sink.note({path, ImportMessages::notMonthMapping()});
            return true;
        }
        std::vector<ImportedEntry> days;
        for (const auto& item : root) {
            const QString dayText = text(item.first);
            bool number = false;
            const int day = dayText.toInt(&number);
            const COleDateTime noon(year, month, number ? day : 0, 12, 0, 0);
            if (!noon.IsValid()) {
                m_sink.note({path, ImportMessages::badDay(dayText)});
                continue;
            }
            if (std::optional<ImportedEntry> entry = make(readDay(item.second), noon, path))
                days.push_back(std::move(*entry));
        }
        std::sort(days.begin(), days.end(),
                  [](const auto& a, const auto& b) { return a.timeStamp < b.timeStamp; });
        for (ImportedEntry& entry : days)
            if (!m_sink.take(std::move(entry)))
                return false;
        return true;
    }

private:
    std::optional<ImportedEntry> make(const Day& day, const COleDateTime& noon,
                                      const QString& path) {
        if (day.text.trimmed().isEmpty() && day.categories.empty())
            return std::nullopt;
        RichTextBuilder out(BaseFormat(m_options));
        QStringList missing;
        ConvertRedNotebookMarkup(day.text, m_folder, out, missing);
        ImportedEntry entry;
        for (const auto& [category, entries] : day.categories) {
            out.startListItem(1, false, 1);
            out.format().bold = true;
            out.append(category);
            for (const QString& item : entries) {
                out.startListItem(2, false, 1);
                out.append(item);
            }
            if (m_options.topicsFromTags)
                entry.topics << category;
        }
        if (m_options.topicsFromTags)
            for (const QString& tag : RedNotebookHashtags(day.text))
                if (!entry.topics.contains(tag))
                    entry.topics << tag;
        entry.timeStamp = MakeTimeStamp(noon);
        entry.rtf = out.rtf();
        entry.source =
            QStringLiteral("%1, %2").arg(path, QString::fromStdString(noon.Format("%Y-%m-%d")));
        NoteMissingPictures(entry.source, missing, m_sink);
        return entry;
    }

    const QDir& m_folder;
    const ImportOptions& m_options;
    ImportSink& m_sink;
};

} // namespace

bool ReadRedNotebook(const QString& folder, const ImportOptions& options, ImportSink& sink,
                     const ImportProgress& progress) {
    const QDir dir(folder);
    if (!SourceFolderThere(dir, sink))
        return true;
    static const QRegularExpression monthFile(QStringLiteral("^(\\d{4})-(\\d{2})\\.txt$"));
    QStringList months;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        if (monthFile.match(name).hasMatch())
            months << name;
    MonthReader reader(dir, options, sink);
    for (qsizetype i = 0; i < months.size(); ++i) {
        if (progress && !progress(std::size_t(i), std::size_t(months.size())))
            return false;
        const QRegularExpressionMatch m = monthFile.match(months[i]);
        const int month = m.captured(2).toInt();
        if (month < 1 || month > 12) {
            sink.note({dir.filePath(months[i]), ImportMessages::badDate(months[i])});
            continue;
        }
        if (!reader.read(months[i], m.captured(1).toInt(), month))
            return false;
    }
    return true;
}
