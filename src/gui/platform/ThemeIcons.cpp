#include "gui/platform/ThemeIcons.h"

#include "render/PaletteContrast.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QString>
#include <QSvgRenderer>

QIcon themeIcon(const char* freedesktopName, const char* ownImage) {
    return QIcon::fromTheme(QString::fromLatin1(freedesktopName),
                            QIcon(QString::fromLatin1(ownImage)));
}

QIcon inkedThemeIcon(const char* freedesktopName, const QString& ownImage, const QPalette& palette,
                     const QColor& ink) {
    const QString name = QString::fromLatin1(freedesktopName);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    if (!PaletteContrast::isDark(palette))
        return QIcon(ownImage);
    QFile file(ownImage);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    svg.replace("#1f2a36",
                (ink.isValid() ? ink : palette.color(QPalette::ButtonText)).name().toLatin1());
    QSvgRenderer renderer(svg);
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
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

QIcon closePane(const QPalette& palette) {
    return inkedThemeIcon("window-close", QStringLiteral(":/images/tree/close.svg"), palette,
                          PaletteContrast::paneTitleBand(palette).text);
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
