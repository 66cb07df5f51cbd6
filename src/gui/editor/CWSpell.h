#pragma once

#include "core/spelling/DictionaryCatalog.h"
#include "core/spelling/SpellChecker.h"

#include <memory>
#include <string>

class Hunspell;

// The bridge to Hunspell: words go to it in the dictionary's own encoding (UTF-8 or one of the
// ISO 8859 or KOI8 sets the dictionary names), and its suggestions come back as text.
class CWSpell : public SpellChecker {
public:
    // Nothing when the dictionary's files cannot be read or its encoding is unknown.
    static std::unique_ptr<CWSpell> open(const spelling::Dictionary& dictionary);
    ~CWSpell() override;

    const spelling::Dictionary& dictionary() const { return m_dictionary; }
    // The encoding the dictionary declares, as Hunspell reports it ("UTF-8", "ISO8859-1").
    QString encoding() const;

    bool isCorrect(const QString& word) override;
    QStringList suggestions(const QString& word) override;
    void addWord(const QString& word) override;

private:
    class Converter;
    CWSpell(spelling::Dictionary dictionary, std::unique_ptr<Hunspell> hunspell,
            std::unique_ptr<Converter> converter);

    spelling::Dictionary m_dictionary;
    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<Converter> m_converter;
};
