#include "core/export/RecoveryOffer.h"

#include "core/export/RecoveryFolder.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/store/CppSQLite3Exception.h"
#include "core/store/EntryTable.h"

#include <QCoreApplication>
#include <QLocale>

std::vector<RecoveryOffer> RecoveryOffer::Find(CQBKDoc& doc, const RecoveryFolder& folder) {
    std::vector<RecoveryOffer> offers;
    if (!doc.CanWrite())
        return offers;
    for (RecoveryCopy& copy :
         folder.copiesOf(RecoveryCopy::journalName(doc.Path()), doc.Reader().Keyed())) {
        RecoveryOffer offer{std::move(copy), false, {}};
        try {
            offer.entryGone = !offer.copy.isNewEntry() &&
                              !EntryTable(doc.Reader().Db()).Exists(offer.copy.entryId);
        } catch (const CppSQLite3Exception&) {
            offer.entryGone = true; // it can still be saved as a new entry
        }
        const QString entry =
            offer.asNewEntry() ? QCoreApplication::translate("Recovery", "a new entry")
                               : QCoreApplication::translate("Recovery", "the entry of %1")
                                     .arg(storedToText(doc.GetEntryDateText(offer.copy.entryId)));
        offer.question =
            QCoreApplication::translate(
                "Recovery",
                "Quillbook stopped before changes to %1 were saved. A copy of them was "
                "kept at %2:\n\n\"%3\"\n\nRestore puts the text back into the editor, "
                "unsaved, for you to save. Discard throws the copy away. Later keeps it for "
                "the next time this journal opens.")
                .arg(entry, QLocale().toString(offer.copy.made.toLocalTime(), QLocale::ShortFormat),
                     offer.copy.firstWords());
        offers.push_back(std::move(offer));
    }
    return offers;
}
