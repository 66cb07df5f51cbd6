#include "core/import/RedNotebookMarkup.h"

#include "core/import/ImportMessages.h"
#include "core/import/RichTextBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool isPicturePath(const QString& path) {
    static const QRegularExpression picture(QStringLiteral("\\.(png|jpe?g)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return picture.match(path).hasMatch();
}

class LineConverter {
public:
    LineConverter(const QDir& base, RichTextBuilder& out, QStringList& missing)
        : m_base(base), m_out(out), m_missing(missing) {}

    void convert(QStringView line) {
        m_line = line;
        for (qsizetype i = 0; i < line.size();) {
            if (line[i] == u'[' && bracket(i))
                continue;
            if (line.mid(i).startsWith(u"http://") || line.mid(i).startsWith(u"https://")) {
                qsizetype end = i;
                while (end < line.size() && !line[end].isSpace())
                    ++end;
                link(line.mid(i, end - i).toString(), line.mid(i, end - i).toString());
                i = end;
                continue;
            }
            if (i + 1 < line.size() && marker(i)) {
                i += 2;
                continue;
            }
            m_pending += line[i++];
        }
        flush();
    }

private:
    void flush() {
        m_out.append(m_pending);
        m_pending.clear();
    }

    void link(const QString& name, const QString& url) {
        flush();
        m_out.setLink(url);
        m_out.append(name);
        m_out.endLink();
    }

    // [name ""url""], [""picture"".png] or [""picture.png""]; false when it is neither.
    bool bracket(qsizetype& i) {
        const qsizetype close = m_line.indexOf(u']', i);
        if (close < 0)
            return false;
        const QString inner = m_line.mid(i + 1, close - i - 1).toString();
        const qsizetype open = inner.indexOf(QStringLiteral("\"\""));
        const qsizetype shut = inner.indexOf(QStringLiteral("\"\""), open + 2);
        if (open < 0 || shut < 0)
            return false;
        const QString target = inner.mid(open + 2, shut - open - 2) + inner.mid(shut + 2);
        const QString name = inner.left(open).trimmed();
        i = close + 1;
        if (name.isEmpty() && isPicturePath(target))
            picture(target);
        else
            link(name.isEmpty() ? target : name, target);
        return true;
    }

    void picture(const QString& target) {
        QString path = target;
        if (path.startsWith(QStringLiteral("file://")))
            path = path.mid(7);
        QFile file(m_base.filePath(path));
        if (QFileInfo(file).size() <= ImportMessages::kMaxFileBytes &&
            file.open(QIODevice::ReadOnly)) {
            flush();
            if (m_out.picture(file.readAll()))
                return;
        }
        m_missing << target;
        link(target,
             target.contains(QStringLiteral("://")) ? target : QStringLiteral("file://") + path);
    }

    // Turns emphasis on or off at a marker; false when the characters are text.
    bool marker(qsizetype i) {
        static constexpr struct {
            char16_t c;
            bool richtext::CharFormat::*flag;
        } kMarkers[] = {{u'*', &richtext::CharFormat::bold},
                        {u'/', &richtext::CharFormat::italic},
                        {u'_', &richtext::CharFormat::underline},
                        {u'-', &richtext::CharFormat::strike}};
        const QChar c = m_line[i];
        if (m_line[i + 1] != c)
            return false;
        for (const auto& m : kMarkers) {
            if (c != m.c)
                continue;
            bool& on = m_out.format().*m.flag;
            const QStringView after = m_line.mid(i + 2);
            const bool opens = !on && !after.isEmpty() && !after[0].isSpace() &&
                               after.indexOf(QStringView(m_line.mid(i, 2))) > 0 &&
                               !(i > 0 && m_line[i - 1] == u':');
            const bool closes = on && i > 0 && !m_line[i - 1].isSpace();
            if (!opens && !closes)
                return false;
            flush();
            on = !on;
            return true;
        }
        return false;
    }

    const QDir& m_base;
    RichTextBuilder& m_out;
    QStringList& m_missing;
    QStringView m_line;
    QString m_pending;
};

} // namespace

void ConvertRedNotebookMarkup(QStringView text, const QDir& pictureBase, RichTextBuilder& out,
                              QStringList& missing) {
    static const QRegularExpression heading(QStringLiteral("^\\s*(=+)\\s*(.*?)\\s*\\1\\s*$"));
    static const QRegularExpression item(QStringLiteral("^( *)([-+]) +(.*)$"));
    LineConverter converter(pictureBase, out, missing);
    QString normalized = text.toString();
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QStringView line : QStringView(normalized).split(u'\n')) {
        QString lineText = line.toString();
        if (const QRegularExpressionMatch m = heading.match(lineText); m.hasMatch()) {
            out.startParagraph(int(std::min<qsizetype>(m.capturedLength(1), 6)));
            converter.convert(m.capturedView(2));
        } else if (const QRegularExpressionMatch listed = item.match(lineText); listed.hasMatch()) {
            const int level = 1 + int(std::min<qsizetype>(listed.capturedLength(1), 16)) / 2;
            out.startListItem(level, listed.capturedView(2) == u"+", 1);
            converter.convert(listed.capturedView(3));
        } else {
            out.startParagraph();
            converter.convert(line);
        }
    }
}

QStringList RedNotebookHashtags(const QString& text) {
    static const QRegularExpression tag(QStringLiteral("(?:^|\\s)#([\\w-]+)"),
                                        QRegularExpression::UseUnicodePropertiesOption);
    QStringList tags;
    for (const QRegularExpressionMatch& m : tag.globalMatch(text)) {
        const QString name = m.captured(1);
        if (!name.front().isDigit() && !tags.contains(name))
            tags << name;
    }
    return tags;
}
