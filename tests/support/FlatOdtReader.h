#pragma once

#include "richtext/RichDocument.h"

#include <QByteArray>

// Reads a flat OpenDocument text (.fodt, as LibreOffice writes it) into the styled-text model,
// resolving each span's formatting through its style, the paragraph's style and their parents
// down to the default style. Paragraph marks are left default; pictures keep their bytes and
// the frame size in twips. Used to check our RTF against an independent reader.
richtext::RichDocument readFlatOdt(const QByteArray& xml);
