#pragma once

#include <QStringView>
#include <optional>
#include <vector>

// Where the words to check are in a text.
//
// Words are runs of letters (with their combining marks); an apostrophe between two letters
// stays inside the word ("don't", "it’s"), a hyphen splits ("well-known" is two words). Words
// holding a digit ("mp3", "2nd") are not checked, nor is anything in a URL or an e-mail
// address. Formatting plays no part: the text is the plain text of the whole document.
namespace spelling {

struct WordSpan {
    qsizetype start = 0;
    qsizetype length = 0;

    qsizetype end() const { return start + length; }
    friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

// Every word to check, in order.
std::vector<WordSpan> splitWords(QStringView text);

// The word to check that covers the position or is the first after it; nothing when the
// text holds no more words.
std::optional<WordSpan> wordAtOrAfter(QStringView text, qsizetype position);

} // namespace spelling
