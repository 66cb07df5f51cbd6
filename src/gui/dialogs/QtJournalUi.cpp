#include "gui/dialogs/QtJournalUi.h"

#include "core/platform/DocumentsFolder.h"
#include "core/session/NewJournalPath.h"
#include "gui/dialogs/CChangeDateDlg.h"
#include "gui/dialogs/CChangePasswordDlg.h"
#include "gui/dialogs/CCommentDlg.h"
#include "gui/dialogs/CNewJournalDlg.h"
#include "gui/dialogs/COptionsDlg.h"
#include "gui/dialogs/CPasswordDlg.h"
#include "gui/dialogs/FolderPickerDlg.h"
#include "gui/platform/MessageBoxes.h"

#include <QCoreApplication>
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

bool QtJournalUi::runSaveJournalAsDialog(SaveJournalAsValues& values) {
    QFileDialog dialog(m_parent, QCoreApplication::translate("QtJournalUi", "Save the Journal As"),
                       QFile::decodeName(values.m_path.c_str()),
                       QCoreApplication::translate("QtJournalUi", "Journal files (*.qbk)"));
    dialog.setObjectName(QStringLiteral("saveJournalAsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("qbk"));
    // The session never replaces a file, and says so: no question about replacing here.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    values.m_path = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

bool QtJournalUi::runChooseFolderDialog(FolderChoiceValues& values) {
    return FolderPickerDlg::Run(m_parent, values);
}
