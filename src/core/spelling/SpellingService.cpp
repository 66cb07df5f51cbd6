#include "core/spelling/SpellingService.h"

#include "core/spelling/SpellChecker.h"

namespace {

// Enough to hold the distinct words of a long text without growing without bound.
constexpr qsizetype kRemembered = 200000;

} // namespace

SpellingService::SpellingService(SpellChecker& checker, PersonalWordList personalList)
    : m_checker(checker), m_personalList(std::move(personalList)) {
    for (const QString& word : m_personalList.read())
        m_checker.addWord(word);
}

bool SpellingService::isMisspelt(const QString& word) {
    if (m_ignored.contains(word))
        return false;
    const auto known = m_known.constFind(word);
    if (known != m_known.constEnd())
        return !*known;
    const bool correct = m_checker.isCorrect(word);
    if (m_known.size() >= kRemembered)
        m_known.clear();
    m_known.insert(word, correct);
    return !correct;
}

QStringList SpellingService::suggestions(const QString& word, int most) {
    QStringList all = m_checker.suggestions(word);
    if (all.size() > most)
        all.resize(most);
    return all;
}

void SpellingService::ignoreAll(const QString& word) {
    m_ignored.insert(word);
    acceptedWordsChanged();
}

std::optional<QString> SpellingService::addToDictionary(const QString& word) {
    m_checker.addWord(word);
    acceptedWordsChanged();
    return m_personalList.add(word);
}

void SpellingService::acceptedWordsChanged() {
    // An added word may also make its capitalised and possessive forms right: ask again.
    m_known.clear();
    emit wordsChanged();
}
