#pragma once

#include "core/export/ExportWriter.h"

// Plain UTF-8 text with LF line ends: each entry's heading lines, then its text (list items
// behind their bullets or numbers, pictures left out), then a dividing line.
class TextWriter : public ExportWriter {
public:
    std::string begin(const QString& title) override;
    std::string entry(const ExportedEntry& entry) override;
    std::string end() override;

    static QString body(const richtext::RichDocument& document);
};
