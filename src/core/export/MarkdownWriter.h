#pragma once

#include "core/export/ExportWriter.h"

// CommonMark with the strike-through of GitHub's dialect: bold, italic, strike-through, line
// breaks and pictures (as data URLs). Fonts, sizes, colours, underlining and alignment have
// no Markdown form and are left out rather than imitated.
class MarkdownWriter : public ExportWriter {
public:
    std::string begin(const QString& title) override;
    std::string entry(const ExportedEntry& entry) override;
    std::string end() override;

    // Text that a Markdown reader gives back as it is: punctuation that could mean markup
    // escaped, and white space at the start of a line kept as character references.
    // lineStart: whether the text begins a line.
    static QString escaped(QStringView text, bool lineStart = true);
    static QString body(const richtext::RichDocument& document);
};
