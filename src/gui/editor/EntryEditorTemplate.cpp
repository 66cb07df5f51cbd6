#include "gui/editor/EntryEditorTemplate.h"

#include "core/session/CQBKDoc.h"
#include "gui/editor/CEntryFrame.h"

EntryEditorTemplate::EntryEditorTemplate(CQBKDoc& session, CommandTarget* application)
    : m_session(session), m_application(application) {}

EntryEditorTemplate::~EntryEditorTemplate() {
    delete m_frame;
}

CEntryFrame* EntryEditorTemplate::Frame() const {
    return m_frame && !m_frame->IsClosed() ? m_frame.data() : nullptr;
}

CEntryFrame* EntryEditorTemplate::MakeFrame() {
    m_frame = new CEntryFrame(m_session, m_application);
    m_frame->SetPrinting(m_print);
    m_frame->show();
    return m_frame;
}

EntryEditor* EntryEditorTemplate::OpenDocument() {
    CEntryFrame* frame = Frame();
    if (frame && !frame->Document().SaveModified())
        return nullptr;
    if (!frame)
        frame = MakeFrame();
    return &frame->Document();
}

void EntryEditorTemplate::NewEntry() {
    CEntryFrame* frame = Frame();
    if (frame && !frame->Document().SaveModified())
        return;
    if (!frame)
        frame = MakeFrame();
    frame->Document().OnNewDocument();
    frame->FocusText();
}
