#include "core/export/TextWriter.h"

#include "core/richtext/PlainText.h"

namespace {

QString unixLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString metaLine(const char* label, const QString& value) {
    return QLatin1String(label) + QStringLiteral(": ") + unixLines(value) + u'\n';
}

} // namespace

std::string TextWriter::begin(const QString& title) {
    return (title + QStringLiteral("\n\n")).toUtf8().toStdString();
}

std::string TextWriter::entry(const ExportedEntry& entry) {
    QString out = entry.when + u'\n';
    for (const auto& [label, value] : HeadingValues(entry))
        out += metaLine(label, value);
    out += u'\n' + unixLines(richtext::plainText(entry.text));
    out += QStringLiteral("\n\n") + QString(40, u'-') + QStringLiteral("\n\n");
    return out.toUtf8().toStdString();
}

std::string TextWriter::end() {
    return {};
}
