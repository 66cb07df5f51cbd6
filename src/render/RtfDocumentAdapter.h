#pragma once

#include "core/richtext/RichDocument.h"

#include <string>
#include <string_view>

class QSize;
class QTextCursor;
class QTextDocument;

// Moves entry text between the styled-text model and the QTextDocument that the editor and
// the preview show, so that an entry loaded and saved without edits keeps its text,
// formatting and pictures.
//
// Pictures keep their original PNG or JPEG bytes and RTF sizes in the image format, so saving
// writes back exactly what was read; a picture pasted in the editor is stored as PNG.
class RtfDocumentAdapter {
public:
    // Replaces the document's contents. A model without paragraphs gives one empty block.
    static void toDocument(const richtext::RichDocument& model, QTextDocument& document);

    // One paragraph per block. Formatting the document leaves unset falls back to the
    // document's default font.
    static richtext::RichDocument fromDocument(const QTextDocument& document);

    // Entry text as stored: RTF when it starts with "{\rtf", otherwise plain text.
    static void setEntryText(QTextDocument& document, std::string_view storedText);

    // The document as RTF, the way the Windows control writes it.
    static std::string entryRtf(const QTextDocument& document);

    // Puts a picture at the cursor, shown at its twips size and stored with its own bytes.
    static void insertPicture(QTextCursor& cursor, const richtext::Image& image);
    // Shows the picture the cursor selects at this size (screen pixels) and stores that size.
    static void resizePicture(QTextCursor& picture, QSize shownPixels);
};
