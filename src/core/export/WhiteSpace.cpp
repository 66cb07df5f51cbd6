#include "core/export/WhiteSpace.h"

#include "core/richtext/RichDocument.h"

QString SpelledWhiteSpace(const QString& text, bool& afterSpace,
                          const WhiteSpaceSpelling& spelling) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const bool space = ch == u' ';
        if (space)
            out += afterSpace ? spelling.repeatedSpace : QStringLiteral(" ");
        else if (ch == u'\t')
            out += spelling.tab;
        else if (ch == richtext::kLineBreak || ch == u'\n' || ch == u'\r')
            out += spelling.lineBreak;
        else
            out += ch;
        afterSpace = space || ch == u'\t' || ch == richtext::kLineBreak;
    }
    return out;
}
