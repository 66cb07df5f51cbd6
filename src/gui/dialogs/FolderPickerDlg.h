#pragma once

#include "core/session/FolderChoiceValues.h"

#include <QDialog>

class QTreeWidget;

// The folder picker: the journal's folder tree, the top level included; OK takes the folder
// selected.
class FolderPickerDlg : public QDialog {
    Q_OBJECT

public:
    FolderPickerDlg(const FolderChoiceValues& values, QWidget* parent = nullptr);

    static bool Run(QWidget* parent, FolderChoiceValues& values);

private:
    QTreeWidget* m_tree;
};
