#pragma once

#include <QObject>

class QTextCursor;
class QTextEdit;

// Links in the entry's text: Ctrl+click opens one in the desktop's program for it, and
// Insert/Edit Link makes the selection a link or edits the one at the caret.
class EntryLinks : public QObject {
public:
    explicit EntryLinks(QTextEdit& edit);

    void EditLink();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Widens the cursor to the whole link with the address around its position.
    static void SelectLink(QTextCursor& cursor, const QString& address);

    QTextEdit& m_edit;
};
