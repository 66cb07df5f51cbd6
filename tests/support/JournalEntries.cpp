#include "support/JournalEntries.h"

#include "core/platform/TextEncoding.h"
#include "core/richtext/RtfReader.h"
#include "core/session/JournalReader.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

#include <QStringList>
#include <algorithm>
#include <map>

std::string styledText(const std::string& rtf) {
    using namespace richtext;
    const RichDocument document = RtfReader::read(rtf);
    QStringList paragraphs;
    int baseSize = 1 << 20; // the body's size: the smallest; headings are larger
    for (const Paragraph& p : document.paragraphs)
        baseSize = std::min(baseSize, p.mark.halfPoints);
    QStringList cells; // of the open table row
    for (const Paragraph& p : document.paragraphs) {
        QString text;
        if (p.layout.list)
            text += QString(p.layout.leftIndent / 360 - 1, u' ') +
                    (p.layout.list->numbered() ? QStringLiteral("1. ") : QStringLiteral("- "));
        for (const Run& run : p.runs) {
            if (run.image) {
                text += QStringLiteral("[picture %1x%2]")
                            .arg(run.image->widthPixels)
                            .arg(run.image->heightPixels);
                continue;
            }
            const CharFormat& f = run.format;
            QString piece = run.text;
            piece.replace(kLineBreak, u'|');
            if (f.halfPoints > baseSize && f.bold)
                piece = QStringLiteral("#") + piece; // a heading
            else if (f.bold)
                piece = u'*' + piece + u'*';
            if (f.italic)
                piece = u'/' + piece + u'/';
            if (f.underline)
                piece = u'_' + piece + u'_';
            if (f.strike)
                piece = u'-' + piece + u'-';
            if (f.face.startsWith(QStringLiteral("Courier")))
                piece = u'{' + piece + u'}';
            if (!f.field.isEmpty())
                piece = u'<' + f.field.section(u'"', 1, 1) + u'|' + piece + u'>';
            text += piece;
        }
        if (p.layout.tableLevel == 0) {
            paragraphs << text;
        } else if (p.end == ParagraphEnd::Cell) {
            const QString mark = p.alignment == Alignment::Center  ? QStringLiteral("^")
                                 : p.alignment == Alignment::Right ? QStringLiteral(">")
                                                                   : QString();
            cells << mark + text;
        } else if (p.end == ParagraphEnd::Row) {
            paragraphs << u'[' + cells.join(QStringLiteral(" | ")) + u']';
            cells.clear();
        }
    }
    while (!paragraphs.isEmpty() && paragraphs.back().isEmpty())
        paragraphs.removeLast();
    return paragraphs.join(QStringLiteral(" ¶ ")).toStdString();
}

std::vector<std::string> entryLines(const JournalReader& journal) {
    SqlDatabase& db = journal.Db();
    std::map<std::string, std::pair<std::string, std::string>> folders;
    for (SqlQuery q = db.query("SELECT FolderID, ParentID, Name FROM Folder"); !q.eof();
         q.nextRow())
        folders[q.textField(0)] = {q.textField(1), q.textField(2)};
    std::vector<std::string> lines;
    for (SqlQuery q = db.query("SELECT EntryID, TimeStamp, FolderID, Comment, UserComment, "
                               "EntryText FROM Entry ORDER BY TimeStamp, EntryText");
         !q.eof(); q.nextRow()) {
        std::string path;
        for (std::string id = q.textField(2); folders.count(id) && path.size() < 4096;
             id = folders[id].first)
            path = folders[id].second + "/" + path;
        std::vector<std::string> topics;
        for (SqlQuery t = db.query("SELECT Name FROM Topic JOIN Entry2Topic USING (TopicID) "
                                   "WHERE EntryID = '" +
                                   q.textField(0) + "'");
             !t.eof(); t.nextRow())
            topics.push_back(storedToText(t.textField(0)).toStdString());
        std::sort(topics.begin(), topics.end());
        std::string joined;
        for (const std::string& topic : topics)
            joined += topic + ",";
        const std::string comment =
            q.intField(4) != 0 ? storedToText(journal.Decipher(q.fieldValue(3))).toStdString() : "";
        lines.push_back(q.textField(1) + " | " + path + " | " + joined + " | " + comment + " | " +
                        styledText(journal.Decipher(q.fieldValue(5))));
    }
    return lines;
}
