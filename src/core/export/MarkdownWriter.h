#pragma once

#include "core/export/ExportWriter.h"

#include <functional>

// The link target a picture gets in the text.
using PictureLink = std::function<QString(const richtext::Image&)>;

// CommonMark with the strike-through of GitHub's dialect: bold, italic, strike-through, line
// breaks and pictures. Pictures are files beside the document, linked by relative path, or
// with embedPictures data URLs in the text. Fonts, sizes, colours, underlining and alignment
// have no Markdown form and are left out rather than imitated.
class MarkdownWriter : public ExportWriter {
public:
    explicit MarkdownWriter(bool embedPictures = false);

    std::string begin(const QString& title) override;
    std::string entry(const ExportedEntry& entry) override;
    std::string end() override;
    void setSideFilePrefix(const QString& prefix) override;
    std::vector<SideFile> takeSideFiles() override;

    // Text that a Markdown reader gives back as it is: punctuation that could mean markup
    // escaped, and white space at the start of a line kept as character references.
    // lineStart: whether the text begins a line.
    static QString escaped(QStringView text, bool lineStart = true);
    // Without a picture link, pictures are data URLs.
    static QString body(const richtext::RichDocument& document,
                        const PictureLink& pictureLink = {});

private:
    QString pictureFile(const richtext::Image& image);

    bool m_embedPictures;
    QString m_prefix;
    int m_pictures = 0;
    std::vector<SideFile> m_sideFiles;
};
