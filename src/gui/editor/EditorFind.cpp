#include "gui/editor/EditorFind.h"

#include "core/editor/EditorMessages.h"
#include "core/platform/TextEncoding.h"
#include "gui/editor/FindReplaceDialog.h"
#include "gui/platform/MessageBoxes.h"
#include "render/PaletteContrast.h"

#include <QBrush>
#include <QColor>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

EditorFind::EditorFind(QTextEdit& edit) : m_edit(edit) {}

EditorFind::~EditorFind() {
    delete m_dialog;
}

FindReplaceDialog* EditorFind::dialog() const {
    return m_dialog.data();
}

void EditorFind::showDialog(bool replace) {
    if (!m_dialog)
        m_dialog = new FindReplaceDialog(*this, m_edit.window());
    m_dialog->setReplaceMode(replace);
    // A selection within one line is what the user most likely wants to find.
    const QString selected = m_edit.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_dialog->setFindText(selected);
    else if (m_dialog->findEdit()->text().isEmpty())
        m_dialog->setFindText(m_needle);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    m_dialog->findEdit()->setFocus();
}

void EditorFind::setNeedle(const QString& needle, const FindRules::Options& options) {
    m_needle = needle;
    m_options = options;
}

bool EditorFind::findNext() {
    return select(FindRules::findNext(m_edit.document()->toPlainText(), m_needle,
                                      m_edit.textCursor().selectionEnd(), m_options));
}

bool EditorFind::findPrevious() {
    return select(FindRules::findPrevious(m_edit.document()->toPlainText(), m_needle,
                                          m_edit.textCursor().selectionStart(), m_options));
}

bool EditorFind::select(const std::optional<FindRules::Match>& match) {
    if (!match) {
        notFound();
        return false;
    }
    QTextCursor found(m_edit.document());
    found.setPosition(int(match->start));
    found.setPosition(int(match->start + match->length), QTextCursor::KeepAnchor);
    m_edit.setTextCursor(found);
    m_edit.ensureCursorVisible();
    return true;
}

void EditorFind::findNextOrAsk() {
    if (m_needle.isEmpty())
        showDialog(false);
    else
        findNext();
}

void EditorFind::findPreviousOrAsk() {
    if (m_needle.isEmpty())
        showDialog(false);
    else
        findPrevious();
}

bool EditorFind::replaceCurrent() {
    if (m_edit.isReadOnly() || m_needle.isEmpty())
        return false;
    QTextCursor cursor = m_edit.textCursor();
    const QString text = m_edit.document()->toPlainText();
    if (cursor.hasSelection() &&
        FindRules::matchesAt(text, m_needle, cursor.selectionStart(),
                             cursor.selectionEnd() - cursor.selectionStart(), m_options)) {
        cursor.insertText(m_replacement);
        m_edit.setTextCursor(cursor);
    }
    return findNext();
}

int EditorFind::replaceAll() {
    if (m_edit.isReadOnly())
        return 0;
    const auto matches = FindRules::findAll(m_edit.document()->toPlainText(), m_needle, m_options);
    if (matches.empty()) {
        notFound();
        return 0;
    }
    QTextCursor cursor(m_edit.document());
    cursor.beginEditBlock();
    // From the end, so the positions of the matches still to go stay right.
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(m_replacement);
    }
    cursor.endEditBlock();
    return int(matches.size());
}

void EditorFind::notFound() const {
    MessageBoxRequest box;
    box.text = textToStored(
        QCoreApplication::translate("EditorMessages", EditorMessages::kFindNotFound).arg(m_needle));
    box.icon = MessageIcon::Information;
    showMessageBox(m_dialog && m_dialog->isVisible() ? static_cast<QWidget*>(m_dialog.data())
                                                     : m_edit.window(),
                   box);
}

void EditorFind::showHits(const QString& needle, const FindRules::Options& options) {
    setNeedle(needle, options);
    QObject::disconnect(m_hitWatch);
    m_hitText = m_edit.document()->toPlainText();
    QList<QTextEdit::ExtraSelection> marks;
    for (const FindRules::Match& match : FindRules::findAll(m_hitText, needle, options)) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_edit.document());
        mark.cursor.setPosition(int(match.start));
        mark.cursor.setPosition(int(match.start + match.length), QTextCursor::KeepAnchor);
        const QColor marker(255, 230, 90);
        mark.format.setBackground(marker);
        // The text's own colour may be the light text of a dark palette.
        mark.format.setForeground(PaletteContrast::readableOn(marker, {}));
        marks.append(mark);
    }
    m_edit.setExtraSelections(marks);
    if (marks.isEmpty())
        return;
    m_edit.setTextCursor(marks.front().cursor);
    m_edit.ensureCursorVisible();
    m_hitWatch = QObject::connect(m_edit.document(), &QTextDocument::contentsChanged, &m_edit,
                                  [this] { dropHitsOnChange(); });
}

void EditorFind::dropHitsOnChange() {
    // Format-only changes (the spelling marks) leave the hits where they are.
    if (m_edit.document()->toPlainText() == m_hitText)
        return;
    QObject::disconnect(m_hitWatch);
    m_hitText.clear();
    m_edit.setExtraSelections({});
}
