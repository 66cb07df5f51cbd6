#pragma once

#include <QString>
#include <QStringList>

// A spelling engine as the rest of the program sees it: the Hunspell bridge in the editor,
// a word set in the tests.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;

    // True when the engine knows the word (one word, no spaces).
    virtual bool isCorrect(const QString& word) = 0;
    // Likely corrections, best first; empty when the engine has none.
    virtual QStringList suggestions(const QString& word) = 0;
    // Accepts the word for the rest of this run (the personal list keeps it across runs).
    virtual void addWord(const QString& word) = 0;
};
