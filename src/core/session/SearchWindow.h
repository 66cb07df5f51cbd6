#pragma once

// The modeless search dialog as the journal session sees it (CQBKDoc::CurrentSearchWindow).
class SearchWindow {
public:
    virtual ~SearchWindow() = default;
    // The Search command while the dialog is open: bring it to the front as it is.
    virtual void Activate() = 0;
    // The journal is closing: drop the results and close, before the file is closed; the
    // dialog unregisters itself (CQBKDoc::SetSearchWindow).
    virtual void JournalClosing() = 0;
};
