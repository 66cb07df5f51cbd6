#pragma once

#include "core/platform/CommandMap.h"
#include "core/platform/CommandRouter.h"
#include "core/platform/InstanceHandoff.h"
#include "core/platform/PageMargins.h"
#include "core/platform/ProgramInfo.h"
#include "core/platform/RecentFileList.h"
#include "gui/browser/CQBKView.h"
#include "gui/dialogs/QtJournalUi.h"
#include "gui/platform/AppJournalHost.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CMainFrame;
class QDialog;
class EntryEditorTemplate;
class CQBKDoc;
class JournalPrinting;
class QPrinter;

// How the program was started.
struct StartOptions {
    bool splash = true;      // off for --nosplash and for the embedding and automation switches
    bool pauses = true;      // the start-up pauses; off for --nosplash
    QString journal;         // the journal named on the command line, trailing blanks removed
    bool makeSample = false; // --make-sample PATH: write a sample journal and stop
    QStringList unknown;     // switches we do not know (reported, not fatal)

    // Reads the arguments after the program's name.
    static StartOptions parse(const QStringList& arguments);
    // The journal without trailing blanks: what a launcher may leave behind, as a file name
    // never ends in them.
    QString trimmedJournal() const;
};

// The application: owns the journal session, the main window, the recent-journal list and
// the page margins, runs start-up, and handles About, Page Setup, Exit and the recent-journal
// items.
class CJournalApp : public QObject, public MappedCommandTarget<CJournalApp> {
    Q_OBJECT

public:
    static constexpr const char* kVersion = kProgramVersion;

    explicit CJournalApp(CQBKView::PaneFactory makePane);
    ~CJournalApp() override;

    // Start-up up to the message loop: main window, splash, the command-line journal or the
    // Welcome dialog. False when the program must end (the named file cannot be read).
    bool InitInstance(const StartOptions& options);

    // A request from a second start of the program (SingleInstance's handler): brings the
    // main window forward (the first time it is offered) and opens the journal as the
    // recent-journal items do, closing the current one with its usual question. False while
    // start-up runs, a journal opens or a dialog waits for the user: the request is offered
    // again later.
    bool TakeHandoff(const HandoffRequest& request, bool firstOffer);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    // The entry editor's window maker; null before InitInstance.
    EntryEditorTemplate* Editor() const { return m_editor.get(); }
    CQBKDoc& Document() const { return *m_doc; }
    CommandRouter& Router() { return m_router; }
    RecentFileList& Recent() { return m_recent; }
    AppJournalHost& Host() { return m_host; }
    const PageMargins& Margins() const { return m_margins; }
    QPrinter& Printer() const { return *m_printer; }
    JournalPrinting& Printing() const { return *m_printing; }

    static const CommandMap<CJournalApp>& commandMap();

private:
    void Pause() const;
    void OpenAndReport(const std::string& path);
    void BringToFront();
    WelcomeChoice RunWelcome();
    void OnAppAbout();
    void OnFilePageSetup();
    void OnAppExit();
    void OnOpenRecentFile(CommandId id);
    void OnUpdateRecentFile(CommandUpdate& update);
    void OnExportJournal();
    void OnBackupJournal();
    void OnRescueJournal();
    void OnImportJournal();
    void OnUpdateCanWrite(CommandUpdate& update);
    void OnUpdateNeedsJournal(CommandUpdate& update);
    void OnStatistics();

    CQBKView::PaneFactory m_makePane;
    bool m_pauses = true;
    bool m_started = false; // InitInstance has returned
    RecentFileList m_recent;
    AppJournalHost m_host;
    QtJournalUi m_ui;
    CommandRouter m_router;
    std::unique_ptr<CQBKDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<EntryEditorTemplate> m_editor; // goes before the window and the session
    PageMargins m_margins;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<JournalPrinting> m_printing;
    QDialog* m_welcome = nullptr; // the Welcome dialog while it runs
};
