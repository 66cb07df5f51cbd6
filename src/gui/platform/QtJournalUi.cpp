#include "platform/QtJournalUi.h"

#include "dialogs/CChangeDateDlg.h"
#include "dialogs/CChangePasswordDlg.h"
#include "dialogs/CCommentDlg.h"
#include "dialogs/CNewJournalDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CPasswordDlg.h"
#include "dialogs/NewJournalPath.h"
#include "platform/DocumentsFolder.h"
#include "platform/MessageBoxes.h"

#include <QFile>
#include <QFileDialog>

QtJournalUi::QtJournalUi(WelcomeRunner welcome) : m_welcome(std::move(welcome)) {}

MessageAnswer QtJournalUi::messageBox(const MessageBoxRequest& box) {
    return showMessageBox(m_parent, box);
}

bool QtJournalUi::runPasswordDialog(PasswordValues& values) {
    CPasswordDlg dialog(m_parent);
    return dialog.run(values);
}

bool QtJournalUi::runChangePasswordDialog(ChangePasswordValues& values) {
    CChangePasswordDlg dialog(m_parent);
    return dialog.run(values);
}

bool QtJournalUi::runNewJournalDialog(NewJournalValues& values) {
    if (values.m_path.empty())
        proposeInitialPath(values, documentsFolder().value_or(std::string()));
    return CNewJournalDlg::Run(m_parent, values);
}

bool QtJournalUi::runOptionsDialog(OptionsValues& values) {
    return COptionsDlg::Run(m_parent, values);
}

bool QtJournalUi::runCommentDialog(CommentValues& values) {
    return CCommentDlg::Run(m_parent, values);
}

bool QtJournalUi::runChangeDateDialog(ChangeDateValues& values) {
    return CChangeDateDlg::Run(m_parent, values);
}

WelcomeChoice QtJournalUi::runWelcomeDialog() {
    return m_welcome ? m_welcome() : WelcomeChoice::Close;
}

std::optional<std::string> QtJournalUi::chooseJournalToOpen() {
    QFileDialog dialog(m_parent, QStringLiteral("Open"),
                       QFile::decodeName(documentsFolder().value_or(std::string()).c_str()),
                       QStringLiteral("Journal files (*.qbk)"));
    dialog.setObjectName(QStringLiteral("openJournalDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
