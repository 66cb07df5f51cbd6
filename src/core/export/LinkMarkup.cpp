#include "core/export/LinkMarkup.h"

#include "core/export/FieldLink.h"
#include "core/export/HtmlWriter.h"

#include <utility>

LinkMarkup::LinkMarkup(QString open, QString close)
    : m_open(std::move(open)), m_close(std::move(close)) {}

QString LinkMarkup::before(const QString& field) {
    if (field == m_field)
        return {};
    QString out = m_linkOpen ? m_close : QString();
    m_field = field;
    const QString target = FieldLinkAddress(field);
    m_linkOpen = !target.isEmpty();
    if (m_linkOpen)
        out += m_open.arg(HtmlWriter::escaped(target));
    return out;
}
