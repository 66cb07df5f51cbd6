#pragma once

#include <QLineEdit>

// The editor laid over a list item while it is renamed. Enter ends the edit keeping the text,
// Esc ends it discarding the text, and losing the focus keeps it. Enter and Esc are taken
// here, so a dialog around the list neither presses its default button nor closes.
class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CInPlaceEdit(QWidget* parent = nullptr);

signals:
    // keep: whether the typed text should replace the item's.
    void endEdit(bool keep);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
