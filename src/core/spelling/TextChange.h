#pragma once

#include <QString>
#include <QStringView>

// One replacement in a text, reduced to the characters that differ so that the letters kept
// keep their formatting ("recieve" to "receive" rewrites only "ie").
namespace spelling {

struct TextChange {
    qsizetype start = 0;   // first character replaced
    qsizetype removed = 0; // characters removed there
    QString inserted;      // text put in their place
    // The character whose formatting the inserted text takes: the first one removed, or for
    // a pure insertion the word's letter beside it.
    qsizetype formatFrom = 0;

    friend bool operator==(const TextChange&, const TextChange&) = default;
};

// The change that turns the word at wordStart into the replacement.
TextChange replaceWord(qsizetype wordStart, QStringView word, QStringView replacement);

// The word with some text on either side, from the same paragraph, for showing in a dialog.
struct WordInContext {
    QString before;
    QString word;
    QString after;
};
WordInContext wordInContext(QStringView text, qsizetype start, qsizetype length, qsizetype around);

} // namespace spelling
