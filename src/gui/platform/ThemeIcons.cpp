#include "gui/platform/ThemeIcons.h"

#include <QString>

QIcon themeIcon(const char* freedesktopName, const char* ownImage) {
    return QIcon::fromTheme(QString::fromLatin1(freedesktopName),
                            QIcon(QString::fromLatin1(ownImage)));
}

namespace ThemeIcons {

QIcon folder() {
    QIcon icon = themeIcon("folder", ":/images/tree/folder-closed.svg");
    const QIcon open = themeIcon("folder-open", ":/images/tree/folder-open.svg");
    for (const int size : {16, 22, 24, 32})
        icon.addPixmap(open.pixmap(size, size), QIcon::Selected);
    return icon;
}

QIcon journal() {
    return QIcon(QStringLiteral(":/images/tree/journal.svg"));
}

QIcon closePane() {
    return themeIcon("window-close", ":/images/tree/close.svg");
}

QIcon warning() {
    return themeIcon("dialog-warning", ":/images/message/warning.svg");
}

QIcon error() {
    return themeIcon("dialog-error", ":/images/message/error.svg");
}

QIcon question() {
    return themeIcon("dialog-question", ":/images/message/question.svg");
}

QIcon information() {
    return themeIcon("dialog-information", ":/images/message/information.svg");
}

} // namespace ThemeIcons
