#include "core/spelling/DictionaryCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace spelling {

QStringList dictionaryFolders() {
    QStringList folders;
    const QString env = qEnvironmentVariable("DICPATH");
    if (!env.isEmpty())
        folders += env.split(u':', Qt::SkipEmptyParts);
    folders += {QStringLiteral("/usr/local/share/hunspell"), QStringLiteral("/usr/share/hunspell"),
                QStringLiteral("/usr/share/myspell/dicts"), QStringLiteral("/usr/share/myspell")};
    return folders;
}

std::vector<Dictionary> findDictionaries(const QStringList& folders) {
    std::vector<Dictionary> found;
    QSet<QString> names;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList affixes =
            dir.entryList({QStringLiteral("*.aff")}, QDir::Files | QDir::Readable);
        for (const QString& affix : affixes) {
            const QString name = QFileInfo(affix).completeBaseName();
            const QString words = dir.filePath(name + QStringLiteral(".dic"));
            if (names.contains(name) || !QFileInfo(words).isReadable())
                continue;
            names.insert(name);
            found.push_back({name, dir.filePath(affix), words});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Dictionary& a, const Dictionary& b) { return a.name < b.name; });
    return found;
}

namespace {

// The language's own dictionary ("de"), else the first of its regions ("de_AT").
QString sameLanguage(const QStringList& installed, const QString& wanted) {
    const QString language = wanted.section(u'_', 0, 0);
    if (language.isEmpty())
        return {};
    if (installed.contains(language))
        return language;
    for (const QString& name : installed)
        if (name.startsWith(language + u'_'))
            return name;
    return {};
}

} // namespace

QString localeDictionaryName(const QString& locale) {
    QString wanted = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    wanted.replace(u'-', u'_');
    if (wanted == QLatin1StringView("C") || wanted == QLatin1StringView("POSIX"))
        return {};
    return wanted;
}

bool lacksLanguageDictionary(const QStringList& installed, const QString& locale) {
    const QString wanted = localeDictionaryName(locale);
    return !installed.isEmpty() && !wanted.isEmpty() && sameLanguage(installed, wanted).isEmpty();
}

QString chooseDictionary(const QStringList& installed, const QString& saved,
                         const QString& locale) {
    if (installed.isEmpty())
        return {};
    if (!saved.isEmpty() && installed.contains(saved))
        return saved;
    const QString wanted = localeDictionaryName(locale);
    if (installed.contains(wanted))
        return wanted;
    if (const QString language = sameLanguage(installed, wanted); !language.isEmpty())
        return language;
    if (installed.contains(QStringLiteral("en_US")))
        return QStringLiteral("en_US");
    return installed.front();
}

} // namespace spelling
