#include "gui/dialogs/CNewJournalDlg.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "core/protect/Secrets.h"
#include "core/session/NewJournalPath.h"
#include "gui/browser/CStyledLabel.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/dialogs/SecretEdit.h"
#include "gui/dialogs/SettingsControls.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/MessageBoxes.h"
#include "render/PaletteContrast.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

CNewJournalDlg::CNewJournalDlg(const NewJournalValues& values, QWidget* parent)
    : QDialog(parent), m_values(values), m_settings(std::make_unique<SettingsControls>(this)),
      m_title(idEdit(this, kTitleId, static_cast<int>(kTitleMaxChars))),
      m_owner(idEdit(this, kOwnerId, static_cast<int>(kOwnerMaxChars))),
      m_prompt(idCheck(this, tr("Always prompt for comment when saving a new entry."), kPromptId)),
      m_firstLine(idCheck(this, tr("For entries with no comment, show entry text in list."),
                          kShowFirstLineId)),
      m_protected(idCheck(this, tr("Password Protected"), kProtectedId)),
      m_password(idEdit(this, kPasswordId)), m_confirm(idEdit(this, kConfirmId)),
      m_showCharacters(idCheck(this, tr("Show characters"), kShowCharactersId)),
      m_note(new CStyledLabel(this)), m_path(new QLabel(this)),
      m_browse(idButton(this, tr("Change/Browse..."), kBrowseId)), m_ok(nullptr) {
    setObjectName(QStringLiteral("CNewJournalDlg"));
    setWindowTitle(tr("New Journal"));

    auto* names = new QFormLayout;
    names->addRow(tr("&Title"), m_title);
    names->addRow(tr("&Owner"), m_owner);

    auto* comments = new QVBoxLayout;
    comments->addWidget(m_prompt);
    comments->addWidget(m_firstLine);

    auto* password = new QFormLayout;
    password->addRow(m_protected);
    password->addRow(tr("New password"), m_password);
    password->addRow(tr("Confirm new password"), m_confirm);
    password->addRow(m_showCharacters);

    auto* path = new QHBoxLayout;
    setControlId(m_path, kPathId);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_path->setMinimumWidth(360);
    path->addWidget(m_path, 1);
    path->addWidget(m_browse);

    setControlId(m_note, kNoteId);
    m_note->setText(tr(
        "All of the above settings can be changed at anytime in the Options or Password dialog"));
    m_note->setWordWrap(true);
    m_note->setTextColor(PaletteContrast::readableOn(
        palette().color(QPalette::Window), {QColor(0, 70, 213), palette().color(QPalette::Link),
                                            palette().color(QPalette::WindowText)}));

    auto* grid = new QGridLayout;
    grid->addLayout(names, 0, 0);
    grid->addWidget(group(this, tr("Entry Comments"), comments), 1, 0);
    grid->addWidget(group(this, tr("Entry Dates"), m_settings->dateTimeLayout()), 2, 0, 2, 1);
    grid->addWidget(group(this, tr("Entry Editor"), m_settings->fontLayout()), 0, 1);
    grid->addWidget(group(this, tr("Password"), password), 1, 1, 2, 1);
    grid->addWidget(m_note, 3, 1);
    grid->addWidget(group(this, tr("Path\\Filename"), path), 4, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(okCancelRow(this, tr("Create Journal..."), &m_ok));

    for (QLineEdit* edit : {m_password, m_confirm}) {
        edit->setEchoMode(QLineEdit::Password);
        keepSecretOffClipboard(edit);
    }
    m_title->setText(storedToText(m_values.m_title));
    m_owner->setText(storedToText(m_values.m_owner));
    m_prompt->setChecked(m_values.m_bPromptForComment);
    m_firstLine->setChecked(m_values.m_bShowFirstLine);
    m_protected->setChecked(m_values.m_bPasswordProtected);
    m_password->setText(storedToText(m_values.m_password));
    m_confirm->setText(storedToText(m_values.m_confirmPassword));
    m_settings->show(m_values.m_dateFormat, m_values.m_timeFormat, m_values.m_fontName,
                     m_values.m_fontSize);
    ShowPath();
    OnProtectedToggled();

    connect(m_protected, &QCheckBox::toggled, this, &CNewJournalDlg::OnProtectedToggled);
    connect(m_showCharacters, &QCheckBox::toggled, this, &CNewJournalDlg::OnShowCharacters);
    connect(m_title, &QLineEdit::editingFinished, this, &CNewJournalDlg::OnTitleLeft);
    connect(m_browse, &QPushButton::clicked, this, &CNewJournalDlg::OnBrowse);
    m_title->setFocus();
}

CNewJournalDlg::~CNewJournalDlg() {
    // The caller has its copy; the dialog's own and the fields' go now.
    WipeSecret(m_values.m_password);
    WipeSecret(m_values.m_confirmPassword);
    wipeSecretField(m_password);
    wipeSecretField(m_confirm);
}

bool CNewJournalDlg::Run(QWidget* parent, NewJournalValues& values) {
    CNewJournalDlg dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

void CNewJournalDlg::ReadControls() {
    m_values.m_title = textToStored(m_title->text());
    m_values.m_owner = textToStored(m_owner->text());
    m_values.m_bPromptForComment = m_prompt->isChecked();
    m_values.m_bShowFirstLine = m_firstLine->isChecked();
    m_values.m_bPasswordProtected = m_protected->isChecked();
    m_values.m_password = textToStored(m_password->text());
    m_values.m_confirmPassword = textToStored(m_confirm->text());
}

void CNewJournalDlg::ShowPath() {
    m_path->setText(pathText(shortenPath(m_values.m_path, 75)));
    m_path->setToolTip(pathText(m_values.m_path));
    if (m_ok)
        m_ok->setEnabled(!m_values.m_fileName.empty());
}

void CNewJournalDlg::OnProtectedToggled() {
    const bool on = m_protected->isChecked();
    m_password->setEnabled(on);
    m_confirm->setEnabled(on);
    m_showCharacters->setEnabled(on);
}

void CNewJournalDlg::OnShowCharacters() {
    const auto mode = m_showCharacters->isChecked() ? QLineEdit::Normal : QLineEdit::Password;
    m_password->setEchoMode(mode);
    m_confirm->setEchoMode(mode);
}

void CNewJournalDlg::OnTitleLeft() {
    ReadControls();
    proposeFileName(m_values);
    ShowPath();
}

void CNewJournalDlg::OnBrowse() {
    QFileDialog chooser(this, tr("Create New Journal As"), pathText(m_values.m_path),
                        tr("Journal files (*.qbk)"));
    chooser.setObjectName(QStringLiteral("createJournalAsDialog"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix(QStringLiteral("qbk"));
    // The file is never replaced: OK refuses an existing path with its own message.
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.selectFile(pathText(m_values.m_path));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString chosen = chooser.selectedFiles().constFirst();
    m_values.m_path = QFile::encodeName(chosen).toStdString();
    m_values.m_fileName = QFile::encodeName(QFileInfo(chosen).fileName()).toStdString();
    ShowPath();
}

void CNewJournalDlg::accept() {
    ReadControls();
    if (const std::optional<DialogProblem> problem = checkNewJournal(m_values)) {
        if (problem->clearPasswords) {
            // Also while the characters are shown, when the edits are not password edits.
            m_password->clear();
            m_confirm->clear();
        }
        showProblem(this, *problem);
        return;
    }
    finishNewJournal(m_values);
    m_values.m_dateFormat = m_settings->dateFormat();
    m_values.m_timeFormat = m_settings->timeFormat();
    m_values.m_fontName = m_settings->fontName();
    m_values.m_fontSize = m_settings->fontSize();
    QDialog::accept();
}
