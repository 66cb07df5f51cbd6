#pragma once

#include <QByteArray>
#include <QString>

// An OpenDocument text file from an export's HTML, through Qt's rich-text document and its
// ODF writer. Needs a QGuiApplication (pictures are decoded through the platform). Returns
// empty bytes and sets error when it fails.
QByteArray HtmlToOdt(const QByteArray& html, QString& error);
