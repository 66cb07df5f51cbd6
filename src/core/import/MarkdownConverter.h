#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class RichTextBuilder;

// Markdown (CommonMark, through cmark) to styled text: emphasis, GitHub's ~~strike-through~~,
// headings, lists with their levels, quotes, links, code and pictures (data: URLs and files
// beside the text are embedded; others become links named in missing). cmark knows no
// tables: their lines are kept as text, one line each.
void ConvertMarkdown(const QString& markdown, const QDir& pictureBase, RichTextBuilder& out,
                     QStringList& missing);
