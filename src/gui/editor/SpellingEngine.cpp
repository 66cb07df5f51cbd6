#include "gui/editor/SpellingEngine.h"

#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingTexts.h"
#include "gui/editor/CWSpell.h"

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString settingsKey(const QString& key) {
    return spellingtexts::settingsGroup() + u'/' + key;
}

SpellingEngine* replacement = nullptr;

// The told value of the notice of no dictionary at all; the others hold their language.
const QString kNoneTold = QStringLiteral("*");

} // namespace

void SpellingEngine::replaceInstance(SpellingEngine* engine) {
    replacement = engine;
}

SpellingEngine& SpellingEngine::instance() {
    if (replacement)
        return *replacement;
    static SpellingEngine engine(spelling::dictionaryFolders(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                     QStringLiteral("/personal-words.txt"));
    return engine;
}

SpellingEngine::SpellingEngine(QStringList dictionaryFolders, QString personalListPath,
                               QObject* parent)
    : QObject(parent), m_installed(spelling::findDictionaries(dictionaryFolders)),
      m_personalListPath(std::move(personalListPath)) {
    setJournal({});
}

QString SpellingEngine::choiceKey() const {
    return settingsKey(m_journal.isEmpty() ? spellingtexts::dictionaryKey()
                                           : spellingtexts::journalDictionaryKey(m_journal));
}

void SpellingEngine::setJournal(const QString& journalPath) {
    m_journal = journalPath;
    const QString saved = QSettings().value(choiceKey()).toString();
    const QString name =
        spelling::chooseDictionary(dictionaries(), saved, QLocale::system().name());
    if (name == m_name)
        return;
    m_name = name;
    m_loaded = false;
    emit serviceChanged();
}

QString SpellingEngine::takeMissingNotice() {
    const QString locale = QLocale::system().name();
    // What was told, so that it is told once.
    QString missing;
    if (m_installed.empty())
        missing = kNoneTold;
    else if (spelling::lacksLanguageDictionary(dictionaries(), locale))
        missing = spelling::localeDictionaryName(locale);
    else
        return {};
    const QString key = settingsKey(spellingtexts::missingToldKey());
    if (QSettings().value(key).toString() == missing)
        return {};
    QSettings().setValue(key, missing);
    return m_installed.empty() ? spellingtexts::noDictionary()
                               : spellingtexts::missingLanguageDictionary(locale, m_name);
}

void SpellingEngine::markNoneTold() {
    QSettings().setValue(settingsKey(spellingtexts::missingToldKey()), kNoneTold);
}

SpellingEngine::~SpellingEngine() = default;

QStringList SpellingEngine::dictionaries() const {
    QStringList names;
    for (const auto& dictionary : m_installed)
        names.push_back(dictionary.name);
    return names;
}

QString SpellingEngine::dictionaryName() const {
    return m_name;
}

SpellingService* SpellingEngine::service() {
    if (!m_loaded)
        load();
    return m_service.get();
}

void SpellingEngine::load() {
    m_loaded = true;
    m_service.reset();
    m_checker.reset();
    m_problem.clear();
    const auto dictionary = std::find_if(m_installed.begin(), m_installed.end(),
                                         [this](const auto& d) { return d.name == m_name; });
    if (dictionary == m_installed.end()) {
        m_problem = spellingtexts::noDictionary();
        return;
    }
    m_checker = CWSpell::open(*dictionary);
    if (!m_checker) {
        m_problem = spellingtexts::dictionaryUnreadable(dictionary->name, dictionary->affixPath);
        return;
    }
    m_service = std::make_unique<SpellingService>(*m_checker, PersonalWordList(m_personalListPath));
}

void SpellingEngine::setDictionary(const QString& name) {
    if (!dictionaries().contains(name))
        return;
    QSettings().setValue(choiceKey(), name);
    if (name == m_name && m_loaded)
        return;
    m_name = name;
    m_loaded = false;
    emit serviceChanged();
}

bool SpellingEngine::asYouType() const {
    return !m_installed.empty() &&
           QSettings().value(settingsKey(spellingtexts::asYouTypeKey()), 1).toInt() != 0;
}

void SpellingEngine::setAsYouType(bool on) {
    if (on == asYouType())
        return;
    QSettings().setValue(settingsKey(spellingtexts::asYouTypeKey()), on ? 1 : 0);
    emit asYouTypeChanged(on);
}
