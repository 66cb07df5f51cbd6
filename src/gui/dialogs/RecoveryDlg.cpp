#include "gui/dialogs/RecoveryDlg.h"

#include "core/export/RecoveryFolder.h"
#include "core/export/RecoveryOffer.h"
#include "core/export/RecoveryWriter.h"
#include "core/session/CQBKDoc.h"
#include "gui/editor/EntryEditorTemplate.h"

#include <QPushButton>

RecoveryDlg::RecoveryDlg(const RecoveryOffer& offer, QWidget* parent)
    : QMessageBox(QMessageBox::Question, tr("Unsaved Changes Found"), offer.question,
                  QMessageBox::NoButton, parent) {
    setObjectName(QStringLiteral("recoveryDialog"));
    m_restore = addButton(tr("&Restore"), QMessageBox::AcceptRole);
    m_discard = addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    setEscapeButton(addButton(tr("&Later"), QMessageBox::RejectRole));
    setDefaultButton(static_cast<QPushButton*>(m_restore));
}

RecoveryDlg::Choice RecoveryDlg::Run() {
    exec();
    if (clickedButton() == m_restore)
        return Choice::Restore;
    return clickedButton() == m_discard ? Choice::Discard : Choice::Later;
}

void RecoveryDlg::OfferCopies(CQBKDoc& doc, EntryEditorTemplate& editor, QWidget* parent) {
    const RecoveryFolder folder;
    for (const RecoveryOffer& offer : RecoveryOffer::Find(doc, folder)) {
        switch (RecoveryDlg(offer, parent).Run()) {
        case Choice::Restore:
            if (offer.asNewEntry())
                editor.NewEntry();
            else
                doc.OpenEntry(offer.copy.entryId);
            if (CEntryFrame* frame = editor.Frame()) {
                frame->Document().RestoreText(offer.copy.rtf);
                // The editor's own copy replaces this one, at once.
                frame->Recovery().takeOver(offer.copy);
                frame->KeepRecoveryCopy();
            }
            break;
        case Choice::Discard:
            folder.remove(offer.copy.journal, offer.copy.entryId);
            break;
        case Choice::Later:
            break;
        }
    }
}
