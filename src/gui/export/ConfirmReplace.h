#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

// Asks before a file typed into a dialog is replaced; the file dialogs ask on their own, so
// a path they confirmed is not asked about again.
inline bool confirmReplace(QWidget* parent, const QString& path, const QString& confirmedPath) {
    if (path.isEmpty() || path == confirmedPath || !QFileInfo::exists(path))
        return true;
    return QMessageBox::question(
               parent, parent->windowTitle(),
               QCoreApplication::translate("ConfirmReplace",
                                           "%1 already exists.\nDo you want to replace it?")
                   .arg(path)) == QMessageBox::Yes;
}
