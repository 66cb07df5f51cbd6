#pragma once

#include "core/spelling/DictionaryCatalog.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CWSpell;
class SpellingService;

// Spelling for the whole program: the dictionary in use (chosen by the user, else the
// locale's, else en_US), its Hunspell bridge, the personal word list and the as-you-type
// switch, both remembered in the settings.
class SpellingEngine : public QObject {
    Q_OBJECT

public:
    // The program's engine over the system's dictionary folders and the user's data folder.
    static SpellingEngine& instance();
    // The engine windows use from now on instead (tests give one on folders of their own);
    // nullptr goes back to the program's.
    static void replaceInstance(SpellingEngine* engine);

    SpellingEngine(QStringList dictionaryFolders, QString personalListPath,
                   QObject* parent = nullptr);
    ~SpellingEngine() override;

    // The words to check against; opens the dictionary on first use. Nothing when no
    // dictionary can be used: unavailableReason() then says why and what to install.
    SpellingService* service();
    QString unavailableReason() const { return m_problem; }

    // Installed dictionaries' names, and the one in use (or that would be).
    QStringList dictionaries() const;
    QString dictionaryName() const;
    // Uses the dictionary from now on and remembers the choice for the journal open (on this
    // computer; the journal file never holds it).
    void setDictionary(const QString& name);
    // The journal whose dictionary choice applies; empty for none.
    void setJournal(const QString& journalPath);

    // Once: that no dictionary at all, or none of the user's language, is installed and what
    // to install. Empty otherwise, and every time after.
    QString takeMissingNotice();
    // As if the notice of no dictionary at all had been given (windows opened by tests about
    // other things).
    static void markNoneTold();

    // Off, whatever was chosen, while no dictionary is installed.
    bool asYouType() const;
    void setAsYouType(bool on);

signals:
    // The dictionary was switched: every word must be looked at again.
    void serviceChanged();
    void asYouTypeChanged(bool on);

private:
    void load();
    QString choiceKey() const;

    std::vector<spelling::Dictionary> m_installed;
    QString m_personalListPath;
    QString m_journal;
    QString m_name;
    std::unique_ptr<CWSpell> m_checker;
    std::unique_ptr<SpellingService> m_service;
    QString m_problem;
    bool m_loaded = false;
};
