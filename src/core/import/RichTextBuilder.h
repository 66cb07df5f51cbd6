#pragma once

#include "core/richtext/RichDocument.h"

#include <QByteArray>
#include <QString>
#include <string>

// Builds an entry's styled text paragraph by paragraph, for the importers: headings, list
// items with levels, emphasis, links and pictures, in the journal's default font.
class RichTextBuilder {
public:
    explicit RichTextBuilder(richtext::CharFormat base);

    // A new paragraph; level 1-6 makes it a heading (bold, larger).
    void startParagraph(int headingLevel = 0);
    // A new paragraph as an item of a list at level 1, 2, ...; a numbered list counts from start.
    void startListItem(int level, bool numbered, int start);
    // A new cell of the current table row (a row starts with its first cell); a header
    // cell's text is bold.
    void startCell(richtext::Alignment alignment, bool header);
    // Ends the row of the cells started since the last row, giving it equal columns.
    void endRow();
    // Indents the current and later paragraphs (a quote); 0 for none.
    void setQuoteLevel(int level) { m_quoteLevel = level; }
    void append(QStringView text);
    void lineBreak();
    // Embeds a PNG or JPEG file; false when the bytes are neither (nothing is added).
    bool picture(const QByteArray& data);

    // The format of text appended from now on (emphasis, link field, code face).
    richtext::CharFormat& format() { return m_format; }
    void setLink(const QString& url);
    void endLink() { m_format.field.clear(); }
    const richtext::CharFormat& base() const { return m_base; }

    bool empty() const { return m_document.paragraphs.empty(); }
    std::string rtf() const;

private:
    richtext::Paragraph& current();

    richtext::CharFormat m_base;
    richtext::CharFormat m_format;
    richtext::RichDocument m_document;
    int m_quoteLevel = 0;
    std::size_t m_rowStart = 0; // the first paragraph of the open table row
    int m_cells = 0;            // of the open table row
};
