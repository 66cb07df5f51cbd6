#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes at the right end of the status bar. Qt does not tell a program
// the lock keys' state, so a pane is lit by the lock key presses it sees while the program has
// the keyboard, starting dim.
class StatusIndicators : public QObject {
    Q_OBJECT

public:
    explicit StatusIndicators(QStatusBar& bar);

    bool isLit(int pane) const;
    // The read-only pane before them: shown with the text while the journal is open for
    // reading only (a damaged file says so), hidden when text is empty.
    void showReadOnly(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLit(std::size_t pane, bool lit);

    QLabel* m_readOnly;
    std::array<QLabel*, 3> m_panes{};
    std::array<bool, 3> m_lit{};
};
