#pragma once

#include "core/session/CommentValues.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Comment: an entry's comment (at most 100 characters) and the journal's "always prompt"
// setting. It stores nothing itself; its callers do.
class CCommentDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCommentId = 1000;
    static constexpr int kAlwaysPromptId = 1001;

    CCommentDlg(const CommentValues& values, QWidget* parent = nullptr);

    static bool Run(QWidget* parent, CommentValues& values);
    CommentValues values() const;

    void accept() override;

private:
    QLineEdit* m_comment;
    QCheckBox* m_always;
};
