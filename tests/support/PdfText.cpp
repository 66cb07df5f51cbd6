#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

std::string PdfPage::text() const {
    std::string joined;
    for (const PdfWord& word : words)
        joined += (joined.empty() ? "" : " ") + word.text;
    return joined;
}

const PdfWord* PdfPage::find(const std::string& text) const {
    for (const PdfWord& word : words)
        if (word.text == text)
            return &word;
    return nullptr;
}

std::vector<std::string> pageTexts(const std::vector<PdfPage>& pages) {
    std::vector<std::string> texts;
    for (const PdfPage& page : pages)
        texts.push_back(page.text());
    return texts;
}

namespace {

// The HTML entities pdftotext writes in words, and the Latin ligatures (U+FB00-U+FB06) that
// some fonts draw "fi" or "ffl" with: which font fontconfig gives depends on the machine.
QString unescape(QString text) {
    for (char16_t c = 0xFB00; c <= 0xFB06; ++c)
        text.replace(QChar(c), QString(QChar(c)).normalized(QString::NormalizationForm_KC));
    static const char* const kEntities[][2] = {{"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
                                               {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, letter] : kEntities)
        text.replace(QLatin1String(entity), QLatin1String(letter));
    return text;
}

// pdftotext's page boxes as HTML, the file's Title in its <title>; empty when it failed.
QString boxesHtml(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   QString::fromStdString(path), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

std::string pdfTitle(const std::string& path) {
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return unescape(title.match(boxesHtml(path)).captured(1)).toStdString();
}

std::vector<PdfPage> readPdf(const std::string& path) {
    std::vector<PdfPage> pages;
    const QString html = boxesHtml(path);
    static const QRegularExpression tag(
        QStringLiteral("<page width=\"[\\d.]+\" height=\"([\\d.]+)\">|"
                       "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (QRegularExpressionMatchIterator it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0) {
            pages.push_back({match.captured(1).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back(
                {unescape(match.captured(5)).toStdString(), match.captured(2).toDouble(),
                 match.captured(3).toDouble(), match.captured(4).toDouble()});
        }
    }
    return pages;
}

std::vector<std::pair<int, int>> pdfImageSizes(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdfimages"),
                  {QStringLiteral("-list"), QString::fromStdString(path)});
    std::vector<std::pair<int, int>> sizes;
    // After two heading lines, "page num type width height ..." a picture.
    const QStringList lines = process.waitForFinished(60000)
                                  ? QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')
                                  : QStringList();
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() > 4 && fields[2] == QLatin1String("image"))
            sizes.emplace_back(fields[3].toInt(), fields[4].toInt());
    }
    return sizes;
}
