#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The user's own words: a UTF-8 text file, one word a line, read when spelling starts and
// added to by "Add". Blank lines, surrounding spaces and a byte-order mark are ignored, and
// so are lines that cannot be a word (inner spaces, absurd lengths), so a damaged or foreign
// file never feeds the engine rubbish.
class PersonalWordList {
public:
    explicit PersonalWordList(QString path);

    const QString& path() const { return m_path; }

    // The words in the file, each once, in file order; empty when the file is missing.
    QStringList read() const;

    // Appends the word unless the file holds it already, making the folder and the file when
    // missing. Returns the reason when it cannot be written.
    std::optional<QString> add(const QString& word) const;

    // True when the text can be stored as one line of the list.
    static bool isStorableWord(const QString& word);

private:
    QString m_path;
};
