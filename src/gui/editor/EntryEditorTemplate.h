#pragma once

#include "gui/editor/CEntryFrame.h"

#include <QPointer>

class CEntryFrame;
class CQBKDoc;
class CommandTarget;
class EntryEditor;

// Makes the one entry editor window on first use and reuses it until it closes: the
// journal session's way to open entries in it, and the New Entry command.
class EntryEditorTemplate {
public:
    EntryEditorTemplate(CQBKDoc& session, CommandTarget* application);
    ~EntryEditorTemplate();
    EntryEditorTemplate(const EntryEditorTemplate&) = delete;
    EntryEditorTemplate& operator=(const EntryEditorTemplate&) = delete;

    // The editor's document for the session's OpenEntry: a new window, shown.
    EntryEditor* OpenDocument();
    // New Entry: asks to save what the window shows, then starts a new entry in it.
    void NewEntry();

    // What every editor window's Print and Print Preview call.
    void SetPrinting(CEntryFrame::PrintEntry print) { m_print = std::move(print); }

    // The open editor window, or nullptr.
    CEntryFrame* Frame() const;

private:
    CEntryFrame* MakeFrame();

    CQBKDoc& m_session;
    CommandTarget* m_application;
    QPointer<CEntryFrame> m_frame;
    CEntryFrame::PrintEntry m_print;
};
