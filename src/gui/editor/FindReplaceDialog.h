#pragma once

#include <QDialog>

class EditorFind;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The editor's modeless Find / Replace dialog: it only collects what to look for and passes
// each button to the editor's find steps.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

public:
    FindReplaceDialog(EditorFind& find, QWidget* parent);

    // Shows the Replace fields and buttons, or hides them (Find only).
    void setReplaceMode(bool replace);
    void setFindText(const QString& text);

    QLineEdit* findEdit() const { return m_find; }
    QLineEdit* replaceEdit() const { return m_replace; }
    QCheckBox* matchCase() const { return m_matchCase; }
    QCheckBox* wholeWord() const { return m_wholeWord; }

private:
    void takeFields();

    EditorFind& m_engine;
    QLineEdit* m_find;
    QLabel* m_replaceLabel;
    QLineEdit* m_replace;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QPushButton* m_findNext;
    QPushButton* m_replaceButton;
    QPushButton* m_replaceAll;
    QLabel* m_status; // how many Replace All replaced
};
