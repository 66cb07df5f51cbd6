#include "core/spelling/TextChange.h"

#include <gtest/gtest.h>

#include <tuple>

using spelling::replaceWord;
using spelling::TextChange;

TEST(TextChange, RewritesOnlyTheLettersThatDiffer) {
    // The word, starting at 10, and its replacement: the change.
    const std::tuple<const char*, const char*, TextChange> cases[] = {
        {"recieve", "receive", {13, 2, QStringLiteral("ei"), 13}},
        {"teh", "the", {11, 2, QStringLiteral("he"), 11}},
        {"wrod", "word", {11, 2, QStringLiteral("or"), 11}},
        // pure insertions take the format of the letter before, or of the word's first
        {"adress", "address", {12, 0, QStringLiteral("d"), 11}},
        {"ord", "word", {10, 0, QStringLiteral("w"), 10}},
        {"cat", "cats", {13, 0, QStringLiteral("s"), 12}},
        // removals, whole replacements, and repeated letters
        {"catt", "cat", {13, 1, QString(), 13}},
        {"xyz", "abc", {10, 3, QStringLiteral("abc"), 10}},
        {"aaa", "aaaa", {13, 0, QStringLiteral("a"), 12}},
        {"word", "", {10, 4, QString(), 10}},
        {"same", "same", {14, 0, QString(), 13}},
    };
    for (const auto& [from, to, expected] : cases) {
        const QString word = QString::fromUtf8(from);
        const QString replacement = QString::fromUtf8(to);
        const TextChange change = replaceWord(10, word, replacement);
        EXPECT_EQ(change, expected) << from << " -> " << to;
        // applied to the word, the change gives the replacement
        QString text = QStringLiteral("0123456789") + word;
        text.replace(change.start, change.removed, change.inserted);
        EXPECT_EQ(text.mid(10), replacement);
    }
}
