#include "gui/platform/TranslatedSvg.h"

#include <QCoreApplication>
#include <QFile>

QByteArray translatedSvg(const QString& resource, const char* context,
                         std::initializer_list<const char*> texts) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    for (const char* text : texts) {
        const QByteArray stored = QString::fromUtf8(text).toHtmlEscaped().toUtf8();
        const QString words = QCoreApplication::translate(context, text);
        // Only a whole text element: the same words elsewhere (an id, a comment) stay.
        svg.replace('>' + stored + '<', '>' + words.toHtmlEscaped().toUtf8() + '<');
    }
    return svg;
}
