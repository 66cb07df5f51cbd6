#pragma once

#include "core/platform/CommandMap.h"

#include <QMainWindow>

class CalendarPane;
class CommandActions;
class CommandRouter;
class CQBKDoc;
class CQBKView;
class QLabel;
class QToolBar;

// The main window: menu bar, toolbar, status bar and the pane layout. Its title is always
// "Quillbook". It handles the View toggles, Help, Support and the updater; every other
// command goes along the route to the pane, the journal or the application.
class CMainFrame : public QMainWindow, public MappedCommandTarget<CMainFrame> {
    Q_OBJECT

public:
    CMainFrame(CommandRouter& router, const CQBKDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The pane layout fills the window; set once, when it is made.
    void SetView(CQBKView* view);
    CQBKView* View() const { return m_pView; }
    // The calendar pane beside the folder tree; set once, after the view.
    void SetCalendar(CalendarPane* calendar) { m_calendar = calendar; }
    CalendarPane* Calendar() const { return m_calendar; }
    // The size, place and maximised state the window had when it last closed; false when
    // there is none to restore.
    bool RestoreWindowPlace();

    CommandActions& Actions() const { return *m_actions; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // The status bar's message pane ("Ready" or the prompt of the highlighted item).
    QString StatusMessage() const;

    static const CommandMap<CMainFrame>& commandMap();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildStatusBar();
    void OnTogglePreview();
    void OnUpdatePreview(CommandUpdate& update);
    void OnToggleFolders();
    void OnUpdateFolders(CommandUpdate& update);
    void OnToggleTopics();
    void OnUpdateTopics(CommandUpdate& update);
    void OnToggleCalendar();
    void OnUpdateCalendar(CommandUpdate& update);
    void OnCalendarToday();
    bool HasCalendar() const { return m_calendar != nullptr; }
    void OnToggleStatusBar();
    void OnUpdateStatusBar(CommandUpdate& update);
    void OnNextPane();
    void OnPreviousPane();
    void OnPaneContextMenu();
    bool HasView() const { return m_pView != nullptr; }
    void OnHelpContents();
    void OnSupport();
    void OnCheckForUpdates();
    void OnConfigureUpdates();

    CQBKView* m_pView = nullptr;
    CalendarPane* m_calendar = nullptr;
    CommandRouter& m_router;
    const CQBKDoc& m_doc;
    CommandActions* m_actions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_message = nullptr;
    QWidget* m_help = nullptr;
};
