#pragma once

#include "core/session/CQBKDoc.h"
#include "support/RecordingHost.h"
#include "support/ScriptedJournalUi.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

// A journal session with scripted dialogs and recording panes, over files in a temporary
// folder.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture();

    std::string pathFor(const std::string& name) const; // an absolute name stays as it is
    // Creates a journal through the New Journal command and leaves it open.
    std::string createJournal(const std::string& name, const std::string& password = "");
    // Opens a journal, answering the password prompt when a password is given.
    CQBKDoc::OpenResult open(const std::string& path, const std::string& password = "");
    // Saves a new entry (no comment prompt expected) and returns its id.
    std::string saveNewEntry(const std::string& rtf);

    QTemporaryDir dir;
    CallLog log;
    RecordingPanes panes{log};
    RecordingHost host{log};
    ScriptedJournalUi ui;
    CQBKDoc doc{ui, host};
};
