#pragma once

#include "core/session/RecoveryCopy.h"

#include <QString>

#include <vector>

class CQBKDoc;
class RecoveryFolder;

// A recovery copy found for the journal just opened, as the user is asked about it.
struct RecoveryOffer {
    RecoveryCopy copy;
    // The entry it was typed into is no longer in the journal: it comes back as a new entry.
    bool entryGone = false;
    // What was found (the entry, when the copy was made, its first words) and the choice.
    QString question;

    // The open journal's copies, oldest first; none in a journal open for reading only, whose
    // copies wait until it can be written.
    static std::vector<RecoveryOffer> Find(CQBKDoc& doc, const RecoveryFolder& folder);
    // Restores into a new entry rather than a stored one.
    bool asNewEntry() const { return copy.isNewEntry() || entryGone; }
};
