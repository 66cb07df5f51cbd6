#include "gui/editor/CEntryFrame.h"

#include "core/editor/EditorWindowRules.h"
#include "core/export/RecoveryWriter.h"
#include "core/platform/CommandIds.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "gui/dialogs/CEntryTopicsDlg.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/CFormatBar.h"
#include "gui/editor/EditorMenus.h"
#include "gui/editor/EditorSpelling.h"
#include "gui/editor/EntryDateBar.h"
#include "gui/editor/SpellingEngine.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/FixedToolBar.h"
#include "gui/platform/HelpWindow.h"
#include "gui/platform/MessageBoxes.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>

CEntryFrame::CEntryFrame(CQBKDoc& session, CommandTarget* application)
    : m_session(session), m_ui([] { return WelcomeChoice::Close; }), m_view(new CEntryView(this)),
      m_actions(new CommandActions(m_router, this)), m_recovery(new RecoveryWriter({}, this)) {
    setObjectName(QStringLiteral("entryEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui.setParentWindow(this);
    m_ui.setFollowsActiveWindow(false); // the editor's own questions are about its text
    m_doc = std::make_unique<CEntryDoc>(session, m_ui, *this);

    m_router.setActivePane(m_view);
    m_router.setDocument(m_doc.get());
    m_router.setMainFrame(this);
    m_router.setApplication(application);
    m_router.setVeto([&session](CommandId id) { return session.RefusesCommand(id); });

    setCentralWidget(m_view);
    m_view->setCommandActions(m_actions);
    // The editing commands' states follow the text, the selection and the undo history.
    for (auto changed :
         {&QTextEdit::textChanged, &QTextEdit::selectionChanged, &QTextEdit::cursorPositionChanged})
        connect(m_view, changed, m_actions, &CommandActions::requestRefresh);
    connect(m_view, &QTextEdit::undoAvailable, m_actions, &CommandActions::requestRefresh);
    connect(m_view, &QTextEdit::redoAvailable, m_actions, &CommandActions::requestRefresh);
    connect(m_view->document(), &QTextDocument::modificationChanged, m_actions,
            &CommandActions::requestRefresh);
    EditorMenus::buildMenuBar(*this, *m_actions);
    m_toolBar = EditorMenus::buildToolBar(*this, *m_actions);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    addToolBarBreak(Qt::TopToolBarArea);
    m_formatBar = new CFormatBar(*m_actions, this);
    connect(m_formatBar, &CFormatBar::formatChosen, m_view, &CEntryView::ApplyChosenFormat);
    connect(m_view, &CEntryView::selectionFormatChanged, m_formatBar,
            &CFormatBar::ShowSelectionFormat);
    addToolBar(Qt::TopToolBarArea, m_formatBar);
    addToolBarBreak(Qt::TopToolBarArea);
    m_dateBar = new EntryDateBar(this);
    addToolBar(Qt::TopToolBarArea, m_dateBar);
    nameOverflowButton(m_formatBar);
    nameOverflowButton(m_dateBar);
    // A new entry takes each step of the date typed (it is stored with the first save); a
    // stored entry is re-dated once the typing is done.
    connect(m_dateBar, &EntryDateBar::dateEdited, this, [this](const COleDateTime& when) {
        if (m_doc->IsNewEntry())
            m_doc->ChangeEntryDate(when);
    });
    connect(m_dateBar, &EntryDateBar::dateChosen, this, [this](const COleDateTime& when) {
        if (!m_session.IsReadOnly())
            m_doc->ChangeEntryDate(when);
        ComeToFront();
    });
    // Escape closes as Close does (asking about changes), or first leaves full screen.
    QAction* escape = m_actions->add(ID_EDITOR_ESCAPE, QString(), QStringLiteral("editorEscape"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(escape);

    // Spelling underlines and corrects this view only; the preview never gets it.
    SpellingEngine& spelling = SpellingEngine::instance();
    spelling.setJournal(QFile::decodeName(QByteArray::fromStdString(session.Path())));
    m_spelling = new EditorSpelling(*m_view, spelling);
    connect(m_view, &CEntryView::contextMenuAboutToShow, m_spelling,
            &EditorSpelling::addContextItems);
    if (auto* tools = findChild<QMenu*>(QStringLiteral("editorMenuTools"))) {
        tools->addSeparator();
        EditorSpelling::addToolsItems(*tools, spelling);
    }
    // Told once the editor shows, not in the middle of opening it.
    QTimer::singleShot(0, this, [this] {
        if (const QString notice = SpellingEngine::instance().takeMissingNotice();
            !notice.isEmpty())
            showMessageBox(this,
                           {textToStored(notice), MessageButtons::Ok, MessageIcon::Information});
    });

    // After a save and whatever it asked or told, the editor is where the user goes on (the
    // menu item and the toolbar button are two actions).
    for (QAction* action : findChildren<QAction*>())
        if (CommandActions::commandOf(action) == ID_FILE_SAVE_ENTRY)
            connect(action, &QAction::triggered, this, &CEntryFrame::ComeToFront,
                    Qt::QueuedConnection);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("editorStatusBar"));
    setControlId(bar, ID_VIEW_STATUS_BAR);
    m_counts = new QLabel(bar);
    m_counts->setObjectName(QStringLiteral("editorCounts"));
    bar->addPermanentWidget(m_counts);

    // Counting waits for a pause in typing, so a long entry types as fast as a short one.
    m_countTimer = new QTimer(this);
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(250);
    connect(m_countTimer, &QTimer::timeout, this, &CEntryFrame::ShowCounts);
    connect(m_view->document(), &QTextDocument::contentsChanged, m_countTimer,
            qOverload<>(&QTimer::start));

    m_recoveryPause = new QTimer(this);
    m_recoveryPause->setSingleShot(true);
    m_recoveryPause->setInterval(RecoveryWriter::kPauseMs);
    m_recoveryLimit = new QTimer(this);
    m_recoveryLimit->setSingleShot(true);
    m_recoveryLimit->setInterval(RecoveryWriter::kLongestWaitMs);
    for (QTimer* timer : {m_recoveryPause, m_recoveryLimit})
        connect(timer, &QTimer::timeout, this, &CEntryFrame::KeepRecoveryCopy);
    connect(m_view->document(), &QTextDocument::contentsChanged, this,
            &CEntryFrame::TextChangedForRecovery);
    connect(m_view->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified)
            DropRecoveryCopy();
    });
    connect(m_recovery, &RecoveryWriter::failed, this,
            [this](const QString& message) { statusBar()->showMessage(message); });

    PlaceWindow();
}

void CEntryFrame::PlaceWindow() {
    if (restoreGeometry(QSettings().value(QStringLiteral("Editor/Geometry")).toByteArray()))
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(EditorWindowRules::initialGeometry(screen->availableGeometry()));
}

void CEntryFrame::ComeToFront() {
    if (m_closed || !isVisible())
        return;
    raise();
    activateWindow();
}

void CEntryFrame::ShowEntryDate(const COleDateTime& when) {
    m_dateBar->ShowDate(when);
    m_dateBar->Edit().setReadOnly(m_session.IsReadOnly());
}

CEntryFrame::~CEntryFrame() {
    delete m_help;
    // The document leaves the session before the view it reads goes.
    m_doc.reset();
}

const CommandMap<CEntryFrame>& CEntryFrame::commandMap() {
    using Map = CommandMap<CEntryFrame>;
    using F = CEntryFrame;
    static const Map map{
        {ID_VIEW_FORMAT_BAR, &F::OnToggleFormatBar, &F::OnUpdateFormatBar},
        {ID_VIEW_TOOLBAR, &F::OnToggleToolBar, &F::OnUpdateToolBar},
        {ID_VIEW_STATUS_BAR, &F::OnToggleStatusBar, &F::OnUpdateStatusBar},
        {ID_VIEW_FULL_SCREEN, &F::OnFullScreen, &F::OnUpdateFullScreen},
        {ID_EDITOR_ESCAPE, &F::OnEscape},
        {ID_HELP_CONTENTS, &F::OnHelp},
        {ID_FILE_CLOSE, &F::OnClose},
        {ID_EDIT_ENTRY_TOPICS, &F::OnTopics, &F::CanShowTopics},
        {ID_FILE_PRINT_ENTRY, &F::OnPrint, &F::CanPrint},
        {ID_FILE_PRINT_PREVIEW, &F::OnPrintPreview, &F::CanPrint},
        {ID_TOOLS_CHECK_SPELLING, &F::OnCheckSpelling},
    };
    return map;
}

void CEntryFrame::OnPrint() {
    m_print(m_view->GetEntryText(), m_doc->GetTitle(), false);
}

void CEntryFrame::OnPrintPreview() {
    m_print(m_view->GetEntryText(), m_doc->GetTitle(), true);
}

void CEntryFrame::OnCheckSpelling() {
    m_spelling->checkSpelling(this);
}

void CEntryFrame::RepaintBars() {
    menuBar()->repaint();
    m_toolBar->repaint();
    m_formatBar->repaint();
}

void CEntryFrame::SetEntryText(const std::string& storedText) {
    m_view->SetEntryText(storedText);
    m_view->setReadOnly(m_session.IsReadOnly()); // its text could never be saved
    ShowCounts();
}

std::string CEntryFrame::GetEntryText() const {
    return m_view->GetEntryText();
}

bool CEntryFrame::IsModified() const {
    return m_view->document()->isModified();
}

void CEntryFrame::SetModified(bool modified) {
    m_view->document()->setModified(modified);
}

void CEntryFrame::StartEmpty(const std::string& face, int points) {
    QFont font(storedToText(face));
    font.setPointSize(points);
    m_view->document()->setDefaultFont(font);
    m_view->clear();
    QTextCharFormat format;
    format.setFontFamilies(QStringList{storedToText(face)});
    format.setFontPointSize(points);
    m_view->setCurrentCharFormat(format);
    m_view->document()->clearUndoRedoStacks();
    m_view->document()->setModified(false);
    ShowCounts();
}

void CEntryFrame::SetWindowTitle(const std::string& title) {
    setWindowTitle(storedToText(title));
}

void CEntryFrame::PaintNow() {
    m_view->viewport()->repaint();
    RepaintBars();
}

void CEntryFrame::FocusText() {
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

void CEntryFrame::CloseWindow() {
    m_quietClose = true;
    close();
}

void CEntryFrame::closeEvent(QCloseEvent* event) {
    if (!m_quietClose && !m_doc->QueryClose()) {
        event->ignore();
        return;
    }
    m_closed = true;
    QSettings().setValue(QStringLiteral("Editor/Geometry"), saveGeometry());
    DropRecoveryCopy(); // saved, or its changes discarded
    if (m_help)
        m_help->close();
    event->accept();
    emit closed();
}

void CEntryFrame::OnToggleFormatBar() {
    m_bFormatBarShown = !m_bFormatBarShown;
    m_formatBar->setVisible(m_bFormatBarShown);
}

void CEntryFrame::OnToggleToolBar() {
    m_bToolBarShown = !m_bToolBarShown;
    m_toolBar->setVisible(m_bToolBarShown);
}

void CEntryFrame::OnToggleStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
}

void CEntryFrame::OnUpdateFormatBar(CommandUpdate& update) {
    update.setChecked(m_bFormatBarShown);
}

void CEntryFrame::OnUpdateToolBar(CommandUpdate& update) {
    update.setChecked(m_bToolBarShown);
}

void CEntryFrame::OnUpdateStatusBar(CommandUpdate& update) {
    update.setChecked(!statusBar()->isHidden());
}

void CEntryFrame::OnFullScreen() {
    const bool full = !isFullScreen();
    if (full)
        m_bStatusBarShown = !statusBar()->isHidden();
    m_toolBar->setVisible(!full && m_bToolBarShown);
    m_formatBar->setVisible(!full && m_bFormatBarShown);
    statusBar()->setVisible(!full && m_bStatusBarShown);
    m_view->SetReadableColumn(full);
    if (full)
        showFullScreen();
    else
        showNormal();
}

void CEntryFrame::OnUpdateFullScreen(CommandUpdate& update) {
    update.setChecked(isFullScreen());
}

void CEntryFrame::OnEscape() {
    if (isFullScreen())
        OnFullScreen();
    else
        close();
}

void CEntryFrame::OnHelp() {
    if (!m_help)
        m_help = new HelpWindow;
    m_help->show();
    m_help->raise();
}

void CEntryFrame::OnClose() {
    close();
}

bool CEntryFrame::CanShowTopics() const {
    return m_session.IsJournalOpen() && !m_doc->EntryId().empty();
}

void CEntryFrame::OnTopics() {
    CEntryTopicsDlg::RunForEntry(m_session, m_ui, m_doc->EntryId(), this);
}

void CEntryFrame::ShowCounts() {
    m_countTimer->stop();
    m_counts->setText(EditorWindowRules::countsText(
        EditorWindowRules::countText(m_view->document()->toPlainText())));
}

void CEntryFrame::TextChangedForRecovery() {
    m_recoveryPause->start();
    if (!m_recoveryLimit->isActive())
        m_recoveryLimit->start();
}

void CEntryFrame::KeepRecoveryCopy() {
    m_recoveryPause->stop();
    m_recoveryLimit->stop();
    if (!IsModified() || !m_session.CanWrite())
        return;
    RecoveryCopy copy{RecoveryCopy::journalName(m_session.Path()),
                      m_doc->IsNewEntry() ? std::string() : m_doc->EntryId(),
                      QDateTime::currentDateTimeUtc(), GetEntryText()};
    m_recovery->keep(std::move(copy), m_session.Reader().Keyed());
}

void CEntryFrame::DropRecoveryCopy() {
    m_recoveryPause->stop();
    m_recoveryLimit->stop();
    m_recovery->drop();
}
