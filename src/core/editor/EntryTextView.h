#pragma once

#include "core/platform/COleDateTime.h"

#include <string>

// What the entry document needs of the window that shows its text: the GUI's entry frame and
// view implement it, tests put a fake in its place.
class EntryTextView {
public:
    virtual ~EntryTextView() = default;

    // Replaces the text with a stored entry text (RTF when it starts with "{\rtf", otherwise
    // plain text) and clears the modified flag.
    virtual void SetEntryText(const std::string& storedText) = 0;
    // The whole text as RTF.
    virtual std::string GetEntryText() const = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // Empties the text; what is typed next is in this face and size (points).
    virtual void StartEmpty(const std::string& face, int points) = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    // Paints the window now (the placeholder of a long load).
    virtual void PaintNow() = 0;
    virtual void FocusText() = 0;
    // Closes the window without asking anything.
    virtual void CloseWindow() = 0;
    // Shows the entry's date and time in the date bar.
    virtual void ShowEntryDate(const COleDateTime& when) { (void)when; }
};
