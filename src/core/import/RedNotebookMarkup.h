#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class RichTextBuilder;

// RedNotebook's markup (txt2tags): **bold**, //italic//, __underline__, --strike--, = headings =,
// "-" and "+" lists indented by levels, [name ""url""] links and [""picture.png""] pictures.
// Pictures are embedded when their file is there (relative paths from pictureBase); others
// stay links and are named in missing. Each line is one paragraph.
void ConvertRedNotebookMarkup(QStringView text, const QDir& pictureBase, RichTextBuilder& out,
                              QStringList& missing);

// The #hashtags of a text, without the "#", each once.
QStringList RedNotebookHashtags(const QString& text);
