#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class RichTextBuilder;

// Markdown (GitHub's flavour, through cmark-gfm) to styled text: emphasis, ~~strike-through~~,
// headings, lists with their levels, quotes, links and bare web addresses, code, tables (a
// real table: bold header row, each column's alignment) and pictures (data: URLs and files
// beside the text are embedded; others become links named in missing).
void ConvertMarkdown(const QString& markdown, const QDir& pictureBase, RichTextBuilder& out,
                     QStringList& missing);
