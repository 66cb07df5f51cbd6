#include "core/editor/EditorWindowRules.h"

#include <QCoreApplication>

namespace EditorWindowRules {

QRect initialGeometry(const QRect& screen) {
    const int fifthWidth = screen.width() / 5;
    const int fifthHeight = screen.height() / 5;
    return QRect(screen.x() + fifthWidth, screen.y() + fifthHeight, 3 * fifthWidth,
                 3 * fifthHeight);
}

namespace {

// Paragraph and line breaks as the editor's text holds them, and the frame marks of tables.
bool isBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator || c == QChar(0xfdd0) || c == QChar(0xfdd1);
}

} // namespace

TextCounts countText(const QString& text) {
    TextCounts counts;
    bool inWord = false;
    bool wordHasLetter = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool isBreakCharacter = isBreak(c);
        if (!isBreakCharacter && c != QChar::ObjectReplacementCharacter && !c.isLowSurrogate())
            ++counts.characters;
        if (isBreakCharacter || c.isSpace() || c == QChar::ObjectReplacementCharacter) {
            if (inWord && wordHasLetter)
                ++counts.words;
            inWord = wordHasLetter = false;
            continue;
        }
        inWord = true;
        wordHasLetter = wordHasLetter || c.isLetterOrNumber() || c.isHighSurrogate();
    }
    if (inWord && wordHasLetter)
        ++counts.words;
    return counts;
}

QString countsText(const TextCounts& counts) {
    const QString words =
        counts.words == 1
            ? QCoreApplication::translate("EditorWindowRules", "1 word")
            : QCoreApplication::translate("EditorWindowRules", "%1 words").arg(counts.words);
    const QString characters =
        counts.characters == 1 ? QCoreApplication::translate("EditorWindowRules", "1 character")
                               : QCoreApplication::translate("EditorWindowRules", "%1 characters")
                                     .arg(counts.characters);
    return QCoreApplication::translate("EditorWindowRules", "%1, %2").arg(words, characters);
}

} // namespace EditorWindowRules
