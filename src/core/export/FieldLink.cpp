#include "core/export/FieldLink.h"

#include <QRegularExpression>

QString FieldLinkTarget(const QString& instruction) {
    static const QRegularExpression link(
        QStringLiteral("^\\s*HYPERLINK\\s+(\\\\l\\s+)?\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = link.match(instruction);
    if (!match.hasMatch())
        return {};
    const QString target =
        (match.capturedLength(1) > 0 ? QStringLiteral("#") : QString()) + match.captured(2);
    // Only addresses a reader may follow without harm become links.
    static const char* const safe[] = {"http:", "https:", "mailto:", "ftp:", "#"};
    for (const char* start : safe)
        if (target.startsWith(QLatin1String(start), Qt::CaseInsensitive))
            return target;
    return {};
}

QString FieldLinkAddress(const QString& instruction) {
    return FieldLinkTarget(instruction).replace(u' ', QStringLiteral("%20"));
}
