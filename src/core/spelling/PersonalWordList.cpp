#include "core/spelling/PersonalWordList.h"

#include "core/spelling/SpellingTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr qsizetype kLongestWord = 100;

QStringList parse(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList words;
    QSet<QString> seen;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QString word = line.trimmed().toString();
        if (PersonalWordList::isStorableWord(word) && !seen.contains(word)) {
            seen.insert(word);
            words.push_back(word);
        }
    }
    return words;
}

} // namespace

PersonalWordList::PersonalWordList(QString path) : m_path(std::move(path)) {}

bool PersonalWordList::isStorableWord(const QString& word) {
    if (word.isEmpty() || word.size() > kLongestWord)
        return false;
    return std::none_of(word.begin(), word.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control;
    });
}

QStringList PersonalWordList::read() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

std::optional<QString> PersonalWordList::add(const QString& word) const {
    if (!isStorableWord(word))
        return spellingtexts::personalListRefused(word);
    QFile file(m_path);
    QByteArray existing;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return spellingtexts::personalListUnwritable(m_path, file.errorString());
        existing = file.readAll();
        file.close();
        if (parse(existing).contains(word))
            return std::nullopt;
    } else if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return spellingtexts::personalListUnwritable(m_path,
                                                     QStringLiteral("the folder cannot be made"));
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return spellingtexts::personalListUnwritable(m_path, file.errorString());
    QByteArray line;
    if (!existing.isEmpty() && !existing.endsWith('\n'))
        line += '\n'; // a last line without its end must not swallow the new word
    line += word.toUtf8() + '\n';
    if (file.write(line) != line.size() || !file.flush())
        return spellingtexts::personalListUnwritable(m_path, file.errorString());
    return std::nullopt;
}
