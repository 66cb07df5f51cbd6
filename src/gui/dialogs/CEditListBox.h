#pragma once

#include "gui/dialogs/CInPlaceEdit.h"

#include <QListWidget>
#include <QPointer>

// A list whose items are renamed in place: right-click release on the selected item, the
// Insert key or BeginEdit lays an editor over the item. Scrolling or resizing the list ends
// the edit keeping the text.
class CEditListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kEditorId = 1;

    explicit CEditListBox(QWidget* parent = nullptr);

    // Starts editing the selected item, if there is one.
    void BeginEdit();
    // Ends the edit, if one is going on. With keep set and a changed text (case counts) the
    // item takes the text and itemTextEdited is sent.
    void EndEdit(bool keep);

    bool isEditing() const { return m_editor != nullptr; }
    int editedIndex() const { return m_editedIndex; }
    CInPlaceEdit* editor() const { return m_editor; }

signals:
    // The item at index was renamed in place; it shows the new text.
    void itemTextEdited(int index, const QString& oldText);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<CInPlaceEdit> m_editor;
    int m_editedIndex = -1;
};
