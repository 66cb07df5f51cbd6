#pragma once

#include <QMessageBox>

class CQBKDoc;
class EntryEditorTemplate;
struct RecoveryOffer;

// Asks about one recovery copy found for the journal just opened: restore it into the editor,
// discard it, or decide later (Escape).
class RecoveryDlg : public QMessageBox {
    Q_OBJECT

public:
    enum class Choice { Restore, Discard, Later };

    RecoveryDlg(const RecoveryOffer& offer, QWidget* parent);
    Choice Run();

    // Asks about each copy of the open journal in turn and does what the user chose.
    static void OfferCopies(CQBKDoc& doc, EntryEditorTemplate& editor, QWidget* parent);

private:
    QAbstractButton* m_restore;
    QAbstractButton* m_discard;
};
