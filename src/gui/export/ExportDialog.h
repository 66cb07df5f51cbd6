#pragma once

#include "core/export/ExportDialogValues.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// Export Journal: which entries (as Print Journal offers them), the format and where to.
class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const ExportDialogValues& initial, const QString& proposedName, QWidget* parent);

    ExportDialogValues values() const;

    void accept() override;

private:
    void applyRules();
    void browse();
    void formatChanged();

    ExportDialogValues m_initial;
    QString m_proposedName;  // file name without extension
    QString m_confirmedPath; // the file dialog has asked about replacing this one
    QButtonGroup* m_scope;
    QCheckBox* m_between;
    QDateEdit* m_from;
    QLabel* m_and;
    QDateEdit* m_to;
    QComboBox* m_format;
    QLineEdit* m_path;
    QCheckBox* m_split;
};
