#include "gui/editor/LinkDialog.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/LinkAddress.h"

#include <QFormLayout>
#include <QLineEdit>

LinkDialog::LinkDialog(const QString& text, const QString& address, QWidget* parent)
    : FormDialog(editortexts::linkDialogTitle(), parent), m_text(new QLineEdit(text, this)),
      m_address(new QLineEdit(address, this)) {
    setObjectName(QStringLiteral("linkDialog"));
    m_text->setObjectName(QStringLiteral("linkText"));
    m_address->setObjectName(QStringLiteral("linkAddress"));
    m_address->setMinimumWidth(360);
    form()->addRow(editortexts::linkTextLabel(), m_text);
    form()->addRow(editortexts::linkAddressLabel(), m_address);
    (text.isEmpty() ? m_text : m_address)->setFocus();
}

QString LinkDialog::text() const {
    return m_text->text();
}

QString LinkDialog::address() const {
    return completedLinkAddress(m_address->text());
}
