#pragma once

class CQBKDoc;
class JournalUi;
class QWidget;

// File > Import...: the dialog, then the source read on a worker with a progress dialog, a
// preview of what it holds (how many entries, from when to when) to confirm, the import on a
// worker with Cancel, and its report. A cancelled or failed import leaves the journal as it
// was.
namespace ImportJournalCommand {

void Run(CQBKDoc& doc, JournalUi& ui, QWidget* parent);

} // namespace ImportJournalCommand
