#include "render/OdtConverter.h"

#include <QBuffer>
#include <QTextDocument>
#include <QTextDocumentWriter>

QByteArray HtmlToOdt(const QByteArray& html, QString& error) {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(html));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("ODF"));
    if (!writer.write(&document)) {
        error = QStringLiteral("the OpenDocument writer failed");
        return {};
    }
    return buffer.data();
}
