#pragma once

#include "core/browser/CalendarMonth.h"
#include "core/session/FolderEntriesCache.h"

#include <QDate>
#include <QTimer>
#include <QWidget>
#include <string>

class CEntryListView;
class CalendarPaneGrid;
class CQBKDoc;
class CQBKView;
class QDockWidget;
class QListWidget;
class QListWidgetItem;
class QMainWindow;
class QPushButton;

// The calendar pane: the month grid with its title and Today, and the entries written on
// this day in earlier years. It lists the chosen days in the entry list and starts entries on
// a day. It reads the marks again whenever the journal has changed, here or by another
// program (CQBKDoc::ChangeState), never on a repaint.
class CalendarPane : public QWidget {
    Q_OBJECT

public:
    CalendarPane(CQBKDoc& doc, QWidget* parent = nullptr);

    // Puts the pane in a dock beside the folder tree, shown as the user last left it, and
    // connects it to the entry list and the caption.
    static CalendarPane* AddTo(QMainWindow& window, CQBKDoc& doc, CQBKView& view);
    // The View menu's toggle; the choice is kept for the next start.
    void ToggleShown();
    bool IsShown() const;
    // Shows today's month with today selected, and lists today.
    void GoToToday();

    CalendarPaneGrid* grid() const { return m_grid; }
    QListWidget* onThisDay() const { return m_onThisDay; }
    // Reads the marks and the "On this day" list again if the journal changed.
    void Refresh();

signals:
    // The entry list should show these days' entries under this caption.
    void listRequested(const CalendarDays& days, const QString& caption);
    // Another journal was opened, or the journal closed: the entry list goes back to folders.
    void listingDropped();

private:
    void Reload();
    void ListDay(QDate day);
    void ListWeek(int row);
    void ListMonth();
    void StartEntry(QDate day);
    void OpenOnThisDay(QListWidgetItem* item);
    void ShowMonthTitle();

    CQBKDoc& m_doc;
    CalendarPaneGrid* m_grid;
    QPushButton* m_title;
    QListWidget* m_onThisDay;
    QDockWidget* m_dock = nullptr;
    QTimer m_poll;
    // What the marks were read from: the journal, its state and the month shown.
    std::string m_readPath;
    FolderEntriesCache::FileState m_readState;
    QDate m_readMonth;
    QDate m_readToday;
};
