#pragma once

class CQBKDoc;
class QWidget;

// File > Rescue Journal...: saves what can still be read of the open journal (or of one the
// user chooses when none is open) into a new journal, on a worker thread behind a busy
// indicator, then tells what was saved and what was lost.
namespace RescueJournalCommand {

void Run(const CQBKDoc& doc, QWidget* parent);

} // namespace RescueJournalCommand
