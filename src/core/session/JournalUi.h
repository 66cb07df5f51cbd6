#pragma once

#include "core/session/ChangeDateValues.h"
#include "core/session/ChangePasswordValues.h"
#include "core/session/CommentValues.h"
#include "core/session/FolderChoiceValues.h"
#include "core/session/MessageBoxRequest.h"
#include "core/session/PasswordValues.h"
#include "core/session/SaveJournalAsValues.h"
#include "core/store/NewJournalValues.h"
#include "core/store/OptionsValues.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

// How the Welcome dialog ends; the numbers are the ones the session acts on.
enum class WelcomeChoice {
    NewJournal = 32850,  // runs the New Journal command
    OpenJournal = 32783, // runs the Open Journal command
    OpenLast = 119,      // opens the first journal of the recent list
    Close = 2,           // does nothing
};

// The one way the journal session reaches the user. The GUI implements it with real message
// boxes and dialogs; tests answer from a script (tests/core/support/ScriptedJournalUi.h).
//
// Each run...Dialog shows its dialog modally on the values given (the dialog starts from
// them), writes what the user entered back into them and returns true when the user pressed
// OK; on Cancel it returns false and leaves the values as they were. The dialogs run their
// own OK checks (DialogChecks.h) and stay open until those pass.
class JournalUi {
public:
    virtual ~JournalUi() = default;

    // Shows the message box and returns the button pressed (escapeAnswer's if the box is
    // closed otherwise).
    virtual MessageAnswer messageBox(const MessageBoxRequest& box) = 0;

    virtual bool runPasswordDialog(PasswordValues& values) = 0;
    virtual bool runChangePasswordDialog(ChangePasswordValues& values) = 0;
    virtual bool runNewJournalDialog(NewJournalValues& values) = 0;
    virtual bool runOptionsDialog(OptionsValues& values) = 0;
    virtual bool runCommentDialog(CommentValues& values) = 0;
    virtual bool runChangeDateDialog(ChangeDateValues& values) = 0;
    virtual WelcomeChoice runWelcomeDialog() = 0;

    // The Open Journal file dialog (journal files, starting in the documents folder): the
    // chosen path, or nothing when cancelled.
    virtual std::optional<std::string> chooseJournalToOpen() = 0;
    // The file dialog for a new journal file (the open journal saved elsewhere).
    virtual bool runSaveJournalAsDialog(SaveJournalAsValues& values) = 0;
    // The folder picker: where to file an entry whose folder has gone.
    virtual bool runChooseFolderDialog(FolderChoiceValues& values) = 0;

    // Long work the session waits for (opening's look over the whole file), shown to the user
    // under title and label. The GUI runs it on a worker with the window live and offers
    // Cancel, which sets the flag the work looks at; this default runs it here. The work
    // throws nothing. Returns false when the user cancelled.
    using LongWork = std::function<void(const std::atomic<bool>& cancel)>;
    virtual bool runLongWork(const std::string& title, const std::string& label,
                             const LongWork& work);

    // The program's message conventions, on top of messageBox():

    // A message with an OK button and no icon.
    void showMessage(std::string text);
    // A failure (a database error, say): exclamation icon and OK.
    void showError(std::string text);
    // A failure told as its cause, with the library's own text as detail for a bug report.
    void showFailure(std::string text, std::string detail);
    // A success worth a note ("Journal Created"): information icon and OK.
    void showInformation(std::string text);
    // A confirmation question: Yes and No, question icon, No as the default; true on Yes.
    bool askYesNo(std::string text);
};
