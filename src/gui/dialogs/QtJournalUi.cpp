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
#include "gui/platform/LongWorkOnWorker.h"
#include "gui/platform/MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMainWindow>

QtJournalUi::QtJournalUi(WelcomeRunner welcome) : m_welcome(std::move(welcome)) {}

QWidget* QtJournalUi::owner() const {
    // A message about what the user does in the entry editor belongs over the editor: when it
    // closes, the window it was over comes back to the front.
    if (m_followsActiveWindow)
        if (auto* active = qobject_cast<QMainWindow*>(QApplication::activeWindow()))
            return active;
    return m_parent;
}

MessageAnswer QtJournalUi::messageBox(const MessageBoxRequest& box) {
    return showMessageBox(owner(), box);
}

bool QtJournalUi::runPasswordDialog(PasswordValues& values) {
    CPasswordDlg dialog(owner());
    return dialog.run(values);
}

bool QtJournalUi::runChangePasswordDialog(ChangePasswordValues& values) {
    CChangePasswordDlg dialog(owner());
    return dialog.run(values);
}

bool QtJournalUi::runNewJournalDialog(NewJournalValues& values) {
    if (values.m_path.empty())
        proposeInitialPath(values, documentsFolder().value_or(std::string()));
    return CNewJournalDlg::Run(owner(), values);
}

bool QtJournalUi::runOptionsDialog(OptionsValues& values) {
    return COptionsDlg::Run(owner(), values);
}

bool QtJournalUi::runCommentDialog(CommentValues& values) {
    return CCommentDlg::Run(owner(), values);
}

bool QtJournalUi::runChangeDateDialog(ChangeDateValues& values) {
    return CChangeDateDlg::Run(owner(), values);
}

WelcomeChoice QtJournalUi::runWelcomeDialog() {
    return m_welcome ? m_welcome() : WelcomeChoice::Close;
}

std::optional<std::string> QtJournalUi::chooseJournalToOpen() {
    QFileDialog dialog(owner(), QCoreApplication::translate("QtJournalUi", "Open"),
                       QFile::decodeName(documentsFolder().value_or(std::string()).c_str()),
                       QCoreApplication::translate("QtJournalUi", "Journal files (*.qbk)"));
    dialog.setObjectName(QStringLiteral("openJournalDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

bool QtJournalUi::runSaveJournalAsDialog(SaveJournalAsValues& values) {
    QFileDialog dialog(owner(), QCoreApplication::translate("QtJournalUi", "Save the Journal As"),
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
    return FolderPickerDlg::Run(owner(), values);
}

bool QtJournalUi::runLongWork(const std::string& title, const std::string& label,
                              const LongWork& work) {
    return RunLongWorkOnWorker(owner(), title, label, work);
}
