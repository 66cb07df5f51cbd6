#include "gui/app/CJournalApp.h"

#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/StartUpRule.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CSplashWnd.h"
#include "gui/app/CWelcomeDlg.h"
#include "gui/app/JournalFileWatch.h"
#include "gui/app/PageSetup.h"
#include "gui/browser/CalendarPane.h"
#include "gui/dialogs/CMasterTopicsDlg.h"
#include "gui/dialogs/CSearchDlg.h"
#include "gui/dialogs/RecoveryDlg.h"
#include "gui/dialogs/StatisticsDlg.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryEditorTemplate.h"
#include "gui/export/JournalExportCommands.h"
#include "gui/export/RescueJournalCommand.h"
#include "gui/import/ImportJournalCommand.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/ProfileSettings.h"
#include "gui/print/JournalPrinting.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QTimer>

StartOptions StartOptions::parse(const QStringList& arguments) {
    StartOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString lower = argument.toLower();
        if (lower == QStringLiteral("--nosplash")) {
            options.splash = false;
            options.pauses = false;
        } else if (lower == QStringLiteral("--make-sample")) {
            options.makeSample = true;
        } else if (lower == QStringLiteral("-embedding") || lower == QStringLiteral("/embedding") ||
                   lower == QStringLiteral("-automation") ||
                   lower == QStringLiteral("/automation")) {
            options.splash = false;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            options.unknown.append(argument);
        } else if (options.journal.isEmpty()) {
            options.journal = argument;
        }
    }
    return options;
}

QString StartOptions::trimmedJournal() const {
    QString trimmed = journal;
    while (!trimmed.isEmpty() && trimmed.back().isSpace())
        trimmed.chop(1);
    return trimmed;
}

CJournalApp::CJournalApp(CQBKView::PaneFactory makePane)
    : m_makePane(std::move(makePane)), m_host(m_recent), m_ui([this] { return RunWelcome(); }),
      m_printer(std::make_unique<QPrinter>()) {
    ProfileSettings::useProgramIdentity();
    QSettings settings;
    m_recent.load(settings);
    m_doc = std::make_unique<CQBKDoc>(m_ui, m_host);
    m_doc->AskWhenBusy();
    m_router.setApplication(this);
    m_router.setDocument(m_doc.get());
    m_router.setVeto([this](CommandId id) { return m_doc->RefusesCommand(id); });
}

CJournalApp::~CJournalApp() {
    CSplashWnd::HideSplashScreen();
    // The editor, the window and its panes go before the session they point into.
    m_editor.reset();
    m_printing.reset();
    m_frame.reset();
}

const CommandMap<CJournalApp>& CJournalApp::commandMap() {
    using Map = CommandMap<CJournalApp>;
    static const Map map{
        {ID_APP_ABOUT, &CJournalApp::OnAppAbout},
        {ID_FILE_PAGE_SETUP, &CJournalApp::OnFilePageSetup},
        {ID_APP_EXIT, &CJournalApp::OnAppExit},
        {ID_FILE_MRU_RANGE, &CJournalApp::OnOpenRecentFile, &CJournalApp::OnUpdateRecentFile},
        {ID_FILE_EXPORT_JOURNAL, &CJournalApp::OnExportJournal, &CJournalApp::OnUpdateNeedsJournal},
        {ID_FILE_BACKUP_JOURNAL, &CJournalApp::OnBackupJournal, &CJournalApp::OnUpdateNeedsJournal},
        {ID_FILE_RESCUE_JOURNAL, &CJournalApp::OnRescueJournal},
        {ID_FILE_IMPORT_JOURNAL, &CJournalApp::OnImportJournal, &CJournalApp::OnUpdateCanWrite},
        {ID_TOOLS_STATISTICS, &CJournalApp::OnStatistics, &CJournalApp::OnUpdateNeedsJournal},
    };
    return map;
}

bool CJournalApp::InitInstance(const StartOptions& options) {
    CSplashWnd::EnableSplashScreen(options.splash);
    m_pauses = options.pauses;

    const QString journal = options.trimmedJournal();
    // A named file has to be readable before anything else happens.
    if (!journal.isEmpty()) {
        const QFileInfo info(journal);
        if (!info.isFile() || !info.isReadable()) {
            m_ui.showError(textToStored(tr("%1\nThis file cannot be opened.").arg(journal)));
            return false;
        }
    }

    m_frame = std::make_unique<CMainFrame>(m_router, *m_doc);
    m_ui.setParentWindow(m_frame.get());
    auto* view = new CQBKView(*m_doc, m_ui, m_router, m_makePane, m_frame.get());
    m_frame->SetView(view);
    m_frame->SetCalendar(CalendarPane::AddTo(*m_frame, *m_doc, *view));
    m_host.topicPaneShown = [view] { return view->topicsShown(); };
    m_host.showMasterTopicList = [this] { CMasterTopicsDlg::Run(*m_doc, m_ui, m_frame.get()); };
    m_host.showSearchDialog = [this] {
        CSearchDlg::Open(*m_doc, m_ui, m_frame.get(),
                         [this](const QString& text, bool matchCase, bool wholeWord) {
                             if (CEntryFrame* editor = m_editor->Frame())
                                 editor->View().Find().showHits(text, {matchCase, wholeWord});
                         });
    };
    // Opened, created or saved elsewhere: each adds the journal to the recent list, after
    // which (once the session has taken the path) the watch follows the file.
    auto* fileWatch = new JournalFileWatch(*m_doc, m_frame.get());
    m_host.recentListChanged = [this, fileWatch] {
        m_frame->Actions().refresh();
        QTimer::singleShot(0, fileWatch, &JournalFileWatch::follow);
    };
    m_printing =
        std::make_unique<JournalPrinting>(*m_doc, m_ui, *m_printer, m_margins, m_frame.get());
    m_host.printJournal = [this] { m_printing->PrintJournal(); };
    m_host.printEntryText = [this](const std::string& text, const std::string& title, int flag) {
        m_printing->PrintEntryText(text, title, flag);
    };
    m_editor = std::make_unique<EntryEditorTemplate>(*m_doc, this);
    m_host.createEntryEditor = [this] { return m_editor->OpenDocument(); };
    m_host.newEntry = [this] { m_editor->NewEntry(); };
    m_editor->SetPrinting([this](const std::string& rtf, const std::string& title, bool preview) {
        if (preview)
            m_printing->PreviewEntryText(rtf, title);
        else
            m_printing->PrintEntryText(rtf, title, 0);
    });
    m_host.journalOpened = [this](const std::string& path) {
        JournalExportCommands::AutoBackupOnOpen(path, m_frame.get());
        RecoveryDlg::OfferCopies(*m_doc, *m_editor, m_frame.get());
    };

    // As the window was when it last closed; the first time maximised, and without a window
    // manager to do it, the screen's free area is taken as is.
    if (m_frame->RestoreWindowPlace()) {
        m_frame->show();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            m_frame->setGeometry(screen->availableGeometry());
        m_frame->showMaximized();
    }
    CSplashWnd::ShowSplashScreen(m_frame.get(), QString::fromLatin1(kVersion));
    m_frame->Actions().refresh();

    if (!journal.isEmpty()) {
        const std::string path = QFile::encodeName(journal).toStdString();
        m_host.AddToRecentFileList(path);
        Pause();
        // A journal that silently fails to open leaves the user guessing, so failures are
        // reported; a password prompt the user cancelled needs no message.
        const CQBKDoc::OpenResult result = m_doc->OpenJournal(path);
        if (result != CQBKDoc::OpenResult::Cancelled)
            m_doc->ReportOpenResult(result);
    } else {
        Pause();
        const std::string last = m_recent.path(0);
        const bool lastExists =
            !last.empty() && QFileInfo(QFile::decodeName(last.c_str())).isFile();
        switch (m_doc->IsJournalOpen()
                    ? StartUpAction::Nothing
                    : StartUpActionFor(ProfileSettings::showWelcomeDialog(),
                                       ProfileSettings::openLastJournal(), lastExists)) {
        case StartUpAction::OpenLast:
            OpenAndReport(last);
            break;
        case StartUpAction::Welcome:
            m_router.dispatch(ID_HELP_WELCOME_DIALOG);
            break;
        case StartUpAction::Nothing:
            break;
        }
    }
    m_frame->Actions().refresh();
    m_started = true;
    return true;
}

bool CJournalApp::TakeHandoff(const HandoffRequest& request, bool firstOffer) {
    if (!m_frame)
        return false;
    if (firstOffer)
        BringToFront();
    // A journal handed over while the Welcome dialog asks what to open answers that question:
    // the dialog closes, and the request is offered again once its loop has ended.
    if (m_welcome && QApplication::activeModalWidget() == m_welcome &&
        request.kind == HandoffRequest::Kind::Open) {
        m_welcome->reject();
        return false;
    }
    if (!m_started || QApplication::activeModalWidget() || m_doc->IsOpening())
        return false;
    if (request.kind == HandoffRequest::Kind::Open)
        OpenAndReport(request.path);
    return true;
}

void CJournalApp::BringToFront() {
    // A dialog the user has open stays on top of the window; activating the window
    // activates it.
    m_frame->setWindowState((m_frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

void CJournalApp::OpenAndReport(const std::string& path) {
    m_doc->ReportOpenResult(m_doc->OpenJournal(path));
    m_frame->Actions().requestRefresh();
}

void CJournalApp::Pause() const {
    if (!m_pauses)
        return;
    // The splash stays painted while we wait; the user's input waits with us.
    QEventLoop loop;
    QTimer::singleShot(CSplashWnd::kShowMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

WelcomeChoice CJournalApp::RunWelcome() {
    CWelcomeDlg dialog(m_recent.path(0), m_frame.get());
    m_welcome = &dialog;
    const WelcomeChoice choice = dialog.Run();
    m_welcome = nullptr;
    return choice;
}

void CJournalApp::OnAppAbout() {
    CAboutDlg dialog(QString::fromLatin1(kVersion), m_frame.get());
    dialog.exec();
}

void CJournalApp::OnFilePageSetup() {
    PageSetup::run(m_frame.get(), *m_printer, m_margins);
}

void CJournalApp::OnAppExit() {
    m_router.dispatch(ID_FILE_CLOSE_JOURNAL);
    if (m_frame)
        m_frame->close();
}

void CJournalApp::OnOpenRecentFile(CommandId id) {
    const std::string path = m_recent.path(id - ID_FILE_MRU_FILE1);
    if (!path.empty())
        OpenAndReport(path);
}

void CJournalApp::OnUpdateRecentFile(CommandUpdate& update) {
    const std::size_t index = update.id() - ID_FILE_MRU_FILE1;
    if (m_recent.empty() && index == 0) {
        update.setText(tr("Recent File").toStdString());
        update.enable(false);
        return;
    }
    update.enable(index < m_recent.size());
    update.setText(index < m_recent.size() ? m_recent.menuText(index) : std::string());
}

void CJournalApp::OnExportJournal() {
    JournalExportCommands::ExportJournal(*m_doc, m_margins, m_frame.get());
}

void CJournalApp::OnBackupJournal() {
    JournalExportCommands::BackUpJournal(*m_doc, m_frame.get());
}

void CJournalApp::OnRescueJournal() {
    RescueJournalCommand::Run(*m_doc, m_frame.get());
}

void CJournalApp::OnImportJournal() {
    ImportJournalCommand::Run(*m_doc, m_ui, m_frame.get());
}

void CJournalApp::OnUpdateCanWrite(CommandUpdate& update) {
    update.enable(m_doc->CanWrite());
}

void CJournalApp::OnStatistics() {
    StatisticsDlg::Open(*m_doc, m_ui, m_frame.get());
}

void CJournalApp::OnUpdateNeedsJournal(CommandUpdate& update) {
    update.enable(m_doc->IsJournalOpen());
}
