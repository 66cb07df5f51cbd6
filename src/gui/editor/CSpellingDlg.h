#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class SpellingService;
class SpellingSession;
class DocumentSpellSink;

// The spelling dialog: shows each misspelt word of the editor's text in its context with
// suggestions, and makes the user's corrections in the text in place. The whole check is one
// undo step.
class CSpellingDlg : public QDialog {
    Q_OBJECT

public:
    enum Result { Complete = 0, Cancelled = 1 };

    // Checks the target's whole text, starting at the selection. Complete when it went
    // through the whole text (without showing itself when nothing is misspelt), Cancelled
    // when the user stopped it; corrections made before Cancel stay, undoable as one step.
    static int check(QTextEdit& target, SpellingService& words, QWidget* parent = nullptr);

    ~CSpellingDlg() override;

    // Control ids the tests and the keyboard reach the controls by.
    enum : int {
        IdContext = 1001,
        IdChangeTo = 1002,
        IdSuggestions = 1003,
        IdIgnore = 1004,
        IdIgnoreAll = 1005,
        IdChange = 1006,
        IdChangeAll = 1007,
        IdAdd = 1008,
        IdCancel = 2,
    };

public slots:
    void reject() override; // Escape and the close button cancel too

private:
    CSpellingDlg(QTextEdit& target, SpellingService& words, QWidget* parent);

    // Finds the next misspelt word and shows it; false when the check reached its end.
    bool showNext();
    void answered(); // after an answer: the next word, or the end
    QPushButton* button(const QString& text, int id);

    QTextEdit& m_target;
    std::unique_ptr<DocumentSpellSink> m_sink;
    std::unique_ptr<SpellingSession> m_session;
    QLabel* m_context = nullptr;
    QLineEdit* m_changeTo = nullptr;
    QListWidget* m_suggestions = nullptr;
};
