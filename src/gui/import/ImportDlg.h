#pragma once

#include "core/import/ImportDialogValues.h"
#include "core/session/FolderChoiceValues.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// File > Import...: what to import (the format and its folder or journal) and where to.
class ImportDlg : public QDialog {
    Q_OBJECT

public:
    ImportDlg(const std::vector<FolderChoiceValues::Folder>& folders, QWidget* parent);
    ImportDialogValues values() const;

private:
    void browse();

    QComboBox* m_format;
    QLineEdit* m_source;
    QComboBox* m_folder;
    QCheckBox* m_topics;
};
