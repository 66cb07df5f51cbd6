#include "core/editor/LinkAddress.h"

#include <QRegularExpression>

QString completedLinkAddress(const QString& typed) {
    const QString address = typed.trimmed();
    if (address.isEmpty())
        return {};
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+-]*:"));
    if (scheme.match(address).hasMatch() || address.startsWith(u'#'))
        return address;
    if (address.contains(u'@') && !address.contains(u'/'))
        return QStringLiteral("mailto:") + address;
    return QStringLiteral("https://") + address;
}
