#pragma once

#include "core/export/ExportWriter.h"
#include "core/export/OdtStyles.h"

// An OpenDocument text: the title and each entry's date as real headings (Heading 1 and 2
// with their outline levels), heading values as detail lines, the entries' text with their
// own fonts, sizes, colours, lists, tables, links and pictures. The pieces are the body;
// writePackage wraps them, with the styles they used, into the zip file.
class OdtWriter : public ExportWriter {
public:
    std::string begin(const QString& title) override;
    std::string entry(const ExportedEntry& entry) override;
    std::string end() override;
    bool packaged() const override { return true; }
    bool writePackage(QIODevice& body, QIODevice& out) override;

private:
    OdtStyles m_styles;
    QString m_title;
    int m_tables = 0;
    int m_pictures = 0;
};
