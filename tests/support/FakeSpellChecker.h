#pragma once

#include "core/spelling/SpellChecker.h"

#include <QHash>
#include <QSet>

// A checker that knows a fixed set of words (case-sensitive) and offers fixed suggestions;
// it counts the questions so tests can see answers being remembered.
class FakeSpellChecker : public SpellChecker {
public:
    explicit FakeSpellChecker(QStringList known, QHash<QString, QStringList> suggestions = {})
        : m_known(known.begin(), known.end()), m_suggestions(std::move(suggestions)) {}

    bool isCorrect(const QString& word) override {
        ++questions;
        return m_known.contains(word);
    }
    QStringList suggestions(const QString& word) override { return m_suggestions.value(word); }
    void addWord(const QString& word) override { m_known.insert(word); }

    int questions = 0;

private:
    QSet<QString> m_known;
    QHash<QString, QStringList> m_suggestions;
};
