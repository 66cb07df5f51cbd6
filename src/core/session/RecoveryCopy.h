#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <string>

class BlowfishEngine;

// An entry's unsaved text as a recovery copy keeps it, with what ties it to its journal: the
// journal's path (canonical) and the entry's id (empty for a new entry). Sealed, the whole copy
// is enciphered with the journal's keyed engine, as the journal's own entries are, and carries
// a digest of itself inside the ciphertext: another key (another journal, a wrong password) or
// a damaged file does not open.
struct RecoveryCopy {
    std::string journal;
    std::string entryId;
    QDateTime made;
    std::string rtf;

    bool isNewEntry() const { return entryId.empty(); }
    // The first words of the text, for the user to recognise it.
    QString firstWords() const;

    QByteArray seal(const BlowfishEngine& keyed) const;
    // The copy, when the bytes decipher with the engine and were sealed for this journal.
    static std::optional<RecoveryCopy> unseal(QByteArray sealed, const BlowfishEngine& keyed,
                                              const std::string& journal);

    // The name a journal's copies go by: its canonical path (the path itself when it is gone),
    // so the same file reached by two names shares its copies.
    static std::string journalName(const std::string& path);
};
