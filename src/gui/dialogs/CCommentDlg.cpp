#include "gui/dialogs/CCommentDlg.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/MessageBoxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CCommentDlg::CCommentDlg(const CommentValues& values, QWidget* parent)
    : QDialog(parent), m_comment(idEdit(this, kCommentId, static_cast<int>(kCommentMaxChars))),
      m_always(idCheck(this, tr("Always prompt for a comment when saving a new entry"),
                       kAlwaysPromptId)) {
    setObjectName(QStringLiteral("CCommentDlg"));
    setWindowTitle(tr("Comment"));
    auto* label = new QLabel(tr("Type a comment for this entry"), this);
    label->setBuddy(m_comment);
    m_comment->setMinimumWidth(380);
    m_comment->setText(storedToText(values.m_comment));
    m_always->setChecked(values.m_bAlwaysPrompt);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_comment);
    layout->addWidget(m_always);
    layout->addLayout(okCancelRow(this, tr("OK")));
    m_comment->setFocus();
}

bool CCommentDlg::Run(QWidget* parent, CommentValues& values) {
    CCommentDlg dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

CommentValues CCommentDlg::values() const {
    return CommentValues{textToStored(m_comment->text()), m_always->isChecked()};
}

void CCommentDlg::accept() {
    // The edit's limit counts UTF-16 units; the check counts characters as stored.
    if (const std::optional<DialogProblem> problem = checkComment(values())) {
        showProblem(this, *problem);
        return;
    }
    QDialog::accept();
}
