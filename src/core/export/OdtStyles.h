#pragma once

#include "core/richtext/RichDocument.h"

#include <QString>
#include <map>
#include <set>

// The automatic styles and font faces of an OpenDocument text, each named once however often
// it is used, so what they take grows with the kinds of formatting, not with the entries.
class OdtStyles {
public:
    // The name of the style a run's text, a paragraph or a list gets.
    QString textStyle(const richtext::CharFormat& format);
    QString paragraphStyle(const richtext::Paragraph& paragraph);
    QString listStyle(const richtext::ListFormat& list);

    // The office:font-face-decls and office:automatic-styles elements.
    QString fontFaces() const;
    QString automaticStyles() const;

    // Table cells' own style: a thin border and some room.
    static constexpr const char* kCellStyle = "Cell";

private:
    using Names = std::map<QString, QString>; // properties to name
    static QString named(Names& names, char prefix, const QString& properties);

    Names m_text;
    Names m_paragraphs;
    Names m_lists;
    std::set<QString> m_fonts;
};
