#pragma once

#include "core/export/ExportWriter.h"

// A page that stands alone: formatting as inline styles, pictures embedded as data URLs. The
// markup is also well-formed XML, so any XML reader can take it apart.
class HtmlWriter : public ExportWriter {
public:
    std::string begin(const QString& title) override;
    std::string entry(const ExportedEntry& entry) override;
    std::string end() override;

    // Text with &, <, > and " escaped and the characters XML forbids left out.
    static QString escaped(QStringView text);
    // The formatted text alone: one <p> a paragraph.
    static QString body(const richtext::RichDocument& document);
};
