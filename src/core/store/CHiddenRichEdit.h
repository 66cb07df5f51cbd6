#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>
#include <string>
#include <string_view>

// The invisible rich-edit control of the journal session: turns an entry's RTF into plain
// text (for the derived description) and finds text in entries and comments (for search).
// Text goes in and out as stored bytes (RTF, or plain text in the stored-text encoding).
class CHiddenRichEdit {
public:
    // Stream formats, as the control numbers them.
    static constexpr int SF_TEXT = 1;
    static constexpr int SF_RTF = 2;

    // Characters kept by the derived description.
    static constexpr int kDescriptionLength = 65;

    // Replaces the contents. RTF that does not start with "{\rtf" is taken as plain text.
    void StreamInText(int format, std::string_view text);
    // The text (as Find sees it) that streaming these bytes in would show, read without
    // building the formatted document.
    static QString ShownText(int format, std::string_view text);

    // The contents as plain text: CR LF between paragraphs, in the stored-text encoding.
    void StreamOutText(std::string& output) const;
    std::string StreamOutText() const;

    // Streams the text in, then finds findWhat from the start of it. Returns the position of
    // the first match (a paragraph break counts as one character) or -1; an empty findWhat
    // finds nothing.
    int FindInText(int format, bool matchCase, bool wholeWord, std::string_view text,
                   const QString& findWhat);

    // Finds in the current contents.
    int Find(const QString& findWhat, bool matchCase, bool wholeWord) const;

    // The description an entry without a comment of its own gets on every save: the plain
    // text with CR as space, LF removed, white space trimmed, cut to 65 characters.
    std::string DerivedDescription() const;

    // The first 65 characters of the plain text exactly as streamed out (line breaks kept,
    // nothing trimmed), which the entry list stores when the user clears a comment.
    std::string StreamedPrefix() const;

    const richtext::RichDocument& document() const { return m_document; }

private:
    richtext::RichDocument m_document;
};
