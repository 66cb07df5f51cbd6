#include "core/print/PrintMessages.h"

#include <QCoreApplication>

namespace PrintMessages {

std::string Text(const char* text) {
    return QCoreApplication::translate("PrintMessages", text).toStdString();
}

QString ProgressTitle() {
    return QCoreApplication::translate("PrintMessages", kPrintDialogTitle);
}

QString ProgressLabel() {
    return QCoreApplication::translate("PrintMessages", "Printing entries...");
}

QString ContinuedHeader(const QString& when) {
    return QCoreApplication::translate("PrintMessages", "%1 (continued)").arg(when);
}

QString PageNumber(int page, int pageCount) {
    if (pageCount <= 0)
        return QCoreApplication::translate("PrintMessages", "Page %1").arg(page);
    return QCoreApplication::translate("PrintMessages", "Page %1 of %2").arg(page).arg(pageCount);
}

QString CommentLine(const QString& comment) {
    return QCoreApplication::translate("PrintMessages", "Comment: %1").arg(comment);
}

} // namespace PrintMessages
