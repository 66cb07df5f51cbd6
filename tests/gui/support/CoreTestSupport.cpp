// The core tests' journal fixtures (files made by the program's own create steps, raw SQLite
// checks, scripted dialogs, recording host), compiled into the GUI tests as well.
#include "../../core/support/PdfText.cpp"
#include "../../core/support/RawSqlite.cpp"
#include "../../core/support/RecordingHost.cpp"
#include "../../core/support/ScriptedJournalUi.cpp"
#include "../../core/support/TestJournal.cpp"
