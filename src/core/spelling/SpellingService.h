#pragma once

#include "core/spelling/PersonalWordList.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

class SpellChecker;

// The words the program knows for this run: the engine's dictionary, the personal list and
// the words ignored with "Ignore All". The check-spelling dialog and the underlining as you
// type share it, so a word ignored or added in one is accepted by the other.
class SpellingService : public QObject {
    Q_OBJECT

public:
    // Adds the personal list's words to the checker. Neither is owned.
    SpellingService(SpellChecker& checker, PersonalWordList personalList);

    // True when the word is neither known, added nor ignored. Answers are remembered, since a
    // text repeats most of its words.
    bool isMisspelt(const QString& word);
    QStringList suggestions(const QString& word, int most);

    // Accepted until the program ends; never written anywhere.
    void ignoreAll(const QString& word);
    // Accepted from now on and kept in the personal list. Returns the reason the list could
    // not be written (the word is accepted for this run all the same).
    std::optional<QString> addToDictionary(const QString& word);

signals:
    // A word was ignored or added: underlined words may be right now.
    void wordsChanged();

private:
    void acceptedWordsChanged();

    SpellChecker& m_checker;
    PersonalWordList m_personalList;
    QSet<QString> m_ignored;
    QHash<QString, bool> m_known;
};
