#pragma once

#include <QDialog>

// The About box: product name, version and the maker's two links.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const QString& version, QWidget* parent = nullptr);
};
