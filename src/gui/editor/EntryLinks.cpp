#include "gui/editor/EntryLinks.h"

#include "core/export/FieldLink.h"
#include "gui/editor/LinkDialog.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

EntryLinks::EntryLinks(QTextEdit& edit) : QObject(&edit), m_edit(edit) {
    edit.viewport()->installEventFilter(this);
}

void EntryLinks::SelectLink(QTextCursor& cursor, const QString& address) {
    const int at = cursor.position();
    int start = -1;
    int end = -1;
    for (auto it = cursor.block().begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat f = fragment.charFormat();
        const bool same = f.isAnchor() && f.anchorHref() == address;
        if (same && start < 0)
            start = fragment.position();
        if (same)
            end = fragment.position() + fragment.length();
        if (!same && end >= at)
            break;
        if (!same)
            start = -1;
    }
    if (start < 0 || start > at || end < at)
        return;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
}

void EntryLinks::EditLink() {
    if (m_edit.isReadOnly())
        return;
    QTextCursor cursor = m_edit.textCursor();
    const QTextCharFormat typing = m_edit.currentCharFormat();
    const QString oldAddress = typing.isAnchor() ? typing.anchorHref() : QString();
    if (!cursor.hasSelection() && !oldAddress.isEmpty())
        SelectLink(cursor, oldAddress);
    // A link is one line; a selection over paragraphs keeps its text and only becomes a link.
    const QString selected = cursor.selectedText();
    const bool oneLine = !selected.contains(QChar::ParagraphSeparator);
    LinkDialog dialog(oneLine ? selected : QString(), oldAddress, m_edit.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString address = dialog.address();
    QTextCharFormat link;
    link.setAnchor(!address.isEmpty());
    link.setAnchorHref(address);
    if (!address.isEmpty()) {
        link.setForeground(QColor(Qt::blue));
        link.setFontUnderline(true);
    }
    cursor.beginEditBlock();
    const QString text = dialog.text().isEmpty() ? address : dialog.text();
    if (oneLine && (text != selected || !cursor.hasSelection())) {
        QTextCharFormat format = cursor.charFormat();
        format.merge(link);
        cursor.insertText(text, format);
    } else {
        cursor.mergeCharFormat(link);
    }
    cursor.endEditBlock();
    m_edit.setTextCursor(cursor);
    // What is typed next is plain text again, not more of the link.
    if (!cursor.hasSelection() && !typing.isAnchor())
        m_edit.setCurrentCharFormat(typing);
}

bool EntryLinks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ControlModifier)) {
            // Only addresses a reader may follow without harm are opened.
            const QString target =
                FieldLinkTarget(QStringLiteral("HYPERLINK \"%1\"")
                                    .arg(m_edit.anchorAt(mouse->position().toPoint())));
            if (!target.isEmpty() && !target.startsWith(u'#'))
                QDesktopServices::openUrl(QUrl(target));
        }
    }
    return QObject::eventFilter(watched, event);
}
