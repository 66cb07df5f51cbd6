#include "gui/export/BackupDialog.h"

#include "gui/export/ConfirmReplace.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A line edit with a Browse button beside it.
QHBoxLayout* pathRow(QLineEdit* edit, QPushButton* browse) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

} // namespace

BackupDialog::BackupDialog(const QString& proposedPath, const AutoBackupSettings& automatic,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Back Up Journal"));
    setObjectName(QStringLiteral("backupDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* now = new QFormLayout;
    m_path = new QLineEdit(proposedPath, this);
    m_path->setObjectName(QStringLiteral("copyPath"));
    m_path->setAccessibleName(tr("Copy to"));
    m_path->setMinimumWidth(360); // room for a whole path
    auto* browse = new QPushButton(tr("Browse..."), this);
    now->addRow(tr("Copy to:"), pathRow(m_path, browse));
    layout->addLayout(now);

    auto* group = new QGroupBox(tr("Automatic backups"), this);
    auto* form = new QFormLayout(group);
    m_automatic = new QCheckBox(tr("Back up each journal when it is opened"), group);
    m_automatic->setObjectName(QStringLiteral("automatic"));
    m_automatic->setChecked(automatic.enabled);
    form->addRow(m_automatic);
    m_folder = new QLineEdit(automatic.folder, group);
    m_folder->setObjectName(QStringLiteral("folder"));
    m_folder->setAccessibleName(tr("Backup folder"));
    auto* browseFolder = new QPushButton(tr("Browse..."), group);
    form->addRow(tr("Folder:"), pathRow(m_folder, browseFolder));
    m_keep = new QSpinBox(group);
    m_keep->setObjectName(QStringLiteral("keep"));
    m_keep->setRange(1, 999);
    m_keep->setValue(automatic.keep);
    m_keep->setSuffix(tr(" copies of each journal"));
    form->addRow(tr("Keep the last:"), m_keep);
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Back Up"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &BackupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BackupDialog::reject);
    connect(m_automatic, &QCheckBox::toggled, this, &BackupDialog::applyRules);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(this, windowTitle(), m_path->text(),
                                                            tr("Quillbook journals (*.qbk)"));
        if (!chosen.isEmpty()) {
            m_path->setText(chosen);
            m_confirmedPath = chosen;
        }
    });
    connect(browseFolder, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, tr("Folder for Automatic Backups"), m_folder->text());
        if (!chosen.isEmpty())
            m_folder->setText(chosen);
    });
    applyRules();
}

QString BackupDialog::copyPath() const {
    return m_path->text().trimmed();
}

AutoBackupSettings BackupDialog::automatic() const {
    return {m_automatic->isChecked(), m_folder->text().trimmed(), m_keep->value()};
}

void BackupDialog::applyRules() {
    m_folder->setEnabled(m_automatic->isChecked());
    m_keep->setEnabled(m_automatic->isChecked());
}

void BackupDialog::accept() {
    if (m_automatic->isChecked() && m_folder->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("Choose the folder for automatic backups."));
        return;
    }
    const QString path = copyPath();
    if (!confirmReplace(this, path, m_confirmedPath))
        return;
    QDialog::accept();
}
