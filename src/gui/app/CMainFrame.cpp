#include "gui/app/CMainFrame.h"

#include "core/platform/CommandIds.h"
#include "core/platform/CommandPrompts.h"
#include "core/platform/CommandRouter.h"
#include "core/session/CQBKDoc.h"
#include "core/session/UpdateMessages.h"
#include "gui/app/MainMenus.h"
#include "gui/app/StatusIndicators.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/browser/CalendarPane.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/ExternalPrograms.h"
#include "gui/platform/HelpWindow.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ProfileSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

CMainFrame::CMainFrame(CommandRouter& router, const CQBKDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_router(router), m_doc(doc),
      m_actions(new CommandActions(router, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Quillbook"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quillbook.svg")));
    m_router.setMainFrame(this);
    MainMenus::buildMenuBar(*this, *m_actions);
    m_toolBar = MainMenus::buildToolBar(*this, *m_actions);
    MainMenus::addAccelerators(*this, *m_actions);
    buildStatusBar();
    if (!ProfileSettings::statusBarShown())
        statusBar()->hide();
    resize(1000, 700);
}

CMainFrame::~CMainFrame() {
    delete m_help;
}

const CommandMap<CMainFrame>& CMainFrame::commandMap() {
    using Map = CommandMap<CMainFrame>;
    static const Map map{
        {ID_VIEW_PREVIEW_PANE, &CMainFrame::OnTogglePreview, &CMainFrame::OnUpdatePreview},
        {ID_VIEW_PREVIEW_PANE_ALT, &CMainFrame::OnTogglePreview, &CMainFrame::OnUpdatePreview},
        {ID_VIEW_FOLDERS, &CMainFrame::OnToggleFolders, &CMainFrame::OnUpdateFolders},
        {ID_VIEW_TOPICS, &CMainFrame::OnToggleTopics, &CMainFrame::OnUpdateTopics},
        {ID_VIEW_STATUS_BAR, &CMainFrame::OnToggleStatusBar, &CMainFrame::OnUpdateStatusBar},
        {ID_VIEW_CALENDAR, &CMainFrame::OnToggleCalendar, &CMainFrame::OnUpdateCalendar},
        {ID_CALENDAR_TODAY, &CMainFrame::OnCalendarToday, &CMainFrame::HasCalendar},
        {ID_NEXT_PANE, &CMainFrame::OnNextPane, &CMainFrame::HasView},
        {ID_PREV_PANE, &CMainFrame::OnPreviousPane, &CMainFrame::HasView},
        {ID_PANE_CONTEXT_MENU, &CMainFrame::OnPaneContextMenu, &CMainFrame::HasView},
        {ID_HELP_CONTENTS, &CMainFrame::OnHelpContents},
        {ID_HELP_SUPPORT, &CMainFrame::OnSupport},
        {ID_HELP_CHECK_FOR_UPDATES, &CMainFrame::OnCheckForUpdates},
        {ID_HELP_CONFIGURE_AUTO_UPDATES, &CMainFrame::OnConfigureUpdates},
    };
    return map;
}

void CMainFrame::SetView(CQBKView* view) {
    m_pView = view;
    setCentralWidget(view);
    // The panes as they were when the window last closed; the first start keeps the layout.
    view->RestoreLayout(ProfileSettings::paneLayout());
    if (auto* entries = qobject_cast<CEntryListView*>(view->pane(CQBKView::Pane::EntryList)))
        entries->RestoreColumns(ProfileSettings::entryListColumns());
    // Check marks follow the panes' own close buttons too.
    connect(view, &CQBKView::layoutChanged, m_actions, &CommandActions::refresh);
    connect(view, &CQBKView::activePaneChanged, m_actions, &CommandActions::refresh);
    connect(view, &CQBKView::contentsChanged, m_actions, &CommandActions::requestRefresh);
}

void CMainFrame::OnPaneContextMenu() {
    // The pane opens its menu as it does for the keyboard's menu key.
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !m_pView->isAncestorOf(focused))
        return;
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), focused->mapToGlobal(QPoint()));
    QApplication::sendEvent(focused, &event);
}

bool CMainFrame::RestoreWindowPlace() {
    const QByteArray saved = ProfileSettings::windowGeometry();
    return !saved.isEmpty() && restoreGeometry(saved);
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setProperty("controlId", 0xE801);
    m_message = new QLabel(idleMessage(), bar);
    m_message->setObjectName(QStringLiteral("statusMessage"));
    bar->addWidget(m_message, 1);
    auto* indicators = new StatusIndicators(*bar);
    connect(m_actions, &CommandActions::refreshed, indicators, [this, indicators] {
        indicators->showReadOnly(QString::fromStdString(m_doc.ReadOnlyIndicator()));
    });
}

QString CMainFrame::StatusMessage() const {
    const QString shown = statusBar()->currentMessage();
    return shown.isEmpty() ? m_message->text() : shown;
}

bool CMainFrame::event(QEvent* event) {
    // An item without a prompt puts "Ready" back instead of leaving the last prompt.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    ProfileSettings::setStatusBarShown(!statusBar()->isHidden());
    if (m_pView) {
        if (auto* entries = qobject_cast<CEntryListView*>(m_pView->pane(CQBKView::Pane::EntryList)))
            ProfileSettings::setEntryListColumns(entries->SaveColumns());
        ProfileSettings::setWindowLayout(saveGeometry(), m_pView->SaveLayout());
    }
    // The journal is closed first (dropped when none is open), then the window; an entry
    // the user chose to keep editing keeps both open.
    m_router.dispatch(ID_FILE_CLOSE_JOURNAL);
    if (m_doc.IsJournalOpen()) {
        event->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    event->accept();
}

void CMainFrame::OnTogglePreview() {
    if (m_pView)
        m_pView->TogglePreviewPane();
}

void CMainFrame::OnUpdatePreview(CommandUpdate& update) {
    update.setChecked(m_pView && m_pView->previewShown());
}

void CMainFrame::OnToggleFolders() {
    if (m_pView)
        m_pView->ToggleFolderPane();
}

void CMainFrame::OnUpdateFolders(CommandUpdate& update) {
    update.setChecked(m_pView && m_pView->foldersShown());
}

void CMainFrame::OnToggleTopics() {
    if (m_pView)
        m_pView->ToggleTopicPane();
}

void CMainFrame::OnUpdateTopics(CommandUpdate& update) {
    update.setChecked(m_pView && m_pView->topicsShown());
}

void CMainFrame::OnToggleCalendar() {
    if (m_calendar)
        m_calendar->ToggleShown();
}

void CMainFrame::OnUpdateCalendar(CommandUpdate& update) {
    update.enable(m_calendar != nullptr);
    update.setChecked(m_calendar && m_calendar->IsShown());
}

void CMainFrame::OnCalendarToday() {
    // Today is asked for with the pane hidden too: it is shown for the answer.
    if (!m_calendar->IsShown())
        m_calendar->ToggleShown();
    m_calendar->GoToToday();
}

void CMainFrame::OnToggleStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
}

void CMainFrame::OnUpdateStatusBar(CommandUpdate& update) {
    update.setChecked(!statusBar()->isHidden());
}

void CMainFrame::OnNextPane() {
    m_pView->ActivateNextPane(true);
}

void CMainFrame::OnPreviousPane() {
    m_pView->ActivateNextPane(false);
}

void CMainFrame::OnHelpContents() {
    if (!m_help)
        m_help = new HelpWindow;
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::OnSupport() {
    ExternalPrograms::openSupportPage();
}

// Kept in the menu, where users look for them, even without an updater beside the program:
// they then say that the package manager brings updates.
void CMainFrame::OnCheckForUpdates() {
    if (!ExternalPrograms::startUpdater({QStringLiteral("/checknow")}))
        showMessageBox(this, UpdateMessages::CheckForUpdates());
}

void CMainFrame::OnConfigureUpdates() {
    if (!ExternalPrograms::startUpdater(
            {QStringLiteral("/configure"), QString::number(static_cast<quint64>(winId()))}))
        showMessageBox(this, UpdateMessages::ConfigureUpdates());
}
