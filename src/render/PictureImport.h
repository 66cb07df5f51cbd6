#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>

#include <optional>

class QImage;

// A picture as it comes into an entry from a file or the clipboard: PNG and JPEG files keep
// their bytes, anything else is stored as PNG; it first shows at most as wide as the page.
struct PictureImport {
    std::optional<richtext::Image> picture;
    QString problem; // why there is no picture, for the user

    static PictureImport fromFile(const QString& path);
    // An encoded picture; name says where it came from in a message.
    static PictureImport fromBytes(const QByteArray& bytes, const QString& name);
    static PictureImport fromImage(const QImage& image);
};
