#pragma once

#include "core/editor/CEntryDoc.h"
#include "core/editor/EntryTextView.h"
#include "core/platform/CommandMap.h"
#include "core/platform/CommandRouter.h"
#include "gui/dialogs/QtJournalUi.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

class CEntryView;
class CFormatBar;
class EntryDateBar;
class EditorSpelling;
class CommandActions;
class CQBKDoc;
class HelpWindow;
class QLabel;
class QTimer;
class RecoveryWriter;
class QToolBar;

// The entry editor window: menu bar, toolbar, format bar, the entry view and a status bar
// with the text's word and character counts. It owns the entry document and its own command
// route (view, document, this window, the application).
class CEntryFrame : public QMainWindow,
                    public MappedCommandTarget<CEntryFrame>,
                    public EntryTextView {
    Q_OBJECT

public:
    CEntryFrame(CQBKDoc& session, CommandTarget* application);
    ~CEntryFrame() override;

    CEntryDoc& Document() { return *m_doc; }
    CEntryView& View() const { return *m_view; }
    CFormatBar& FormatBar() const { return *m_formatBar; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    CommandRouter& Router() { return m_router; }
    CommandActions& Actions() const { return *m_actions; }
    // True once the window has closed (it is deleted soon after).
    bool IsClosed() const { return m_closed; }

    // Paints the bars at once.
    void RepaintBars();

    // The recovery copy of the unsaved text: written a little after typing pauses, removed
    // once the text is saved or its changes are discarded.
    RecoveryWriter& Recovery() const { return *m_recovery; }
    // Writes the copy now, when the text has unsaved changes.
    void KeepRecoveryCopy();

    // EntryTextView
    void SetEntryText(const std::string& storedText) override;
    std::string GetEntryText() const override;
    bool IsModified() const override;
    void SetModified(bool modified) override;
    void StartEmpty(const std::string& face, int points) override;
    void SetWindowTitle(const std::string& title) override;
    void PaintNow() override;
    void FocusText() override;
    void CloseWindow() override;
    void ShowEntryDate(const COleDateTime& when) override;

    EntryDateBar& DateBar() const { return *m_dateBar; }
    // Raises the window and gives it the keyboard: after a save, its questions and messages.
    void ComeToFront();

    // What the Print and Print Preview commands call with the entry's RTF and title; without
    // it both stay disabled.
    using PrintEntry =
        std::function<void(const std::string& rtf, const std::string& title, bool preview)>;
    void SetPrinting(PrintEntry print) { m_print = std::move(print); }

    static const CommandMap<CEntryFrame>& commandMap();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnToggleFormatBar();
    void OnToggleToolBar();
    void OnToggleStatusBar();
    void OnUpdateFormatBar(CommandUpdate& update);
    void OnUpdateToolBar(CommandUpdate& update);
    void OnUpdateStatusBar(CommandUpdate& update);
    // Full screen: the text alone, centred; the bars come back as they were.
    void OnFullScreen();
    void OnUpdateFullScreen(CommandUpdate& update);
    void OnEscape();
    void OnHelp();
    void OnClose();
    void OnTopics();
    bool CanShowTopics() const;
    void OnPrint();
    void OnPrintPreview();
    bool CanPrint() const { return bool(m_print); }
    void OnCheckSpelling();
    void ShowCounts();
    void TextChangedForRecovery();
    void DropRecoveryCopy();
    void PlaceWindow();

    CQBKDoc& m_session;
    QtJournalUi m_ui;
    CommandRouter m_router;
    CEntryView* m_view;
    CommandActions* m_actions;
    QToolBar* m_toolBar = nullptr;
    CFormatBar* m_formatBar = nullptr;
    EntryDateBar* m_dateBar = nullptr;
    QLabel* m_counts = nullptr;
    QTimer* m_countTimer = nullptr;
    RecoveryWriter* m_recovery;
    QTimer* m_recoveryPause = nullptr; // restarted by every change
    QTimer* m_recoveryLimit = nullptr; // started by the first change after a copy
    QPointer<HelpWindow> m_help;
    std::unique_ptr<CEntryDoc> m_doc;
    EditorSpelling* m_spelling = nullptr;
    PrintEntry m_print;
    bool m_bFormatBarShown = true;
    bool m_bToolBarShown = true;
    bool m_bStatusBarShown = true; // as it was before full screen
    bool m_quietClose = false;
    bool m_closed = false;
};
