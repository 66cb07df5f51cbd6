#pragma once

// What the program does at start-up when no journal is named on its command line.
enum class StartUpAction { Nothing, Welcome, OpenLast };

// showWelcome: the Welcome dialog's "Show this dialog at start-up" (1 shows it); openLast: the
// per-user setting that opens the last journal instead; lastJournalExists: whether the most
// recent journal is still a file. A last journal that has gone brings the Welcome dialog, so a
// user who asked for a journal at start-up is not left with an empty window.
StartUpAction StartUpActionFor(int showWelcome, bool openLast, bool lastJournalExists);
