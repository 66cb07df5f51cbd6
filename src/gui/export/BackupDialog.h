#pragma once

#include "core/export/AutoBackup.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// Back Up Journal: a copy of the open journal now, and the automatic backups made whenever a
// journal is opened.
class BackupDialog : public QDialog {
    Q_OBJECT

public:
    BackupDialog(const QString& proposedPath, const AutoBackupSettings& automatic, QWidget* parent);

    // The copy to make now; empty when only the settings changed.
    QString copyPath() const;
    AutoBackupSettings automatic() const;

    void accept() override;

private:
    void applyRules();

    QLineEdit* m_path;
    QCheckBox* m_automatic;
    QLineEdit* m_folder;
    QSpinBox* m_keep;
    QString m_confirmedPath;
};
