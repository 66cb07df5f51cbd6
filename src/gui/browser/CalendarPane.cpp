#include "gui/browser/CalendarPane.h"

#include "core/browser/CalendarEntries.h"
#include "core/browser/CalendarTexts.h"
#include "core/browser/OnThisDay.h"
#include "core/platform/QtDates.h"
#include "core/session/CQBKDoc.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CQBKView.h"
#include "gui/browser/CalendarPaneGrid.h"

#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kShownKey = QStringLiteral("Window/Calendar");
constexpr int kPollMs = 1500; // how soon another program's changes show
} // namespace

CalendarPane::CalendarPane(CQBKDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_grid(new CalendarPaneGrid(this)),
      m_title(new QPushButton(this)), m_onThisDay(new QListWidget(this)) {
    setObjectName(QStringLiteral("calendarPane"));
    auto* previous = new QToolButton(this);
    previous->setObjectName(QStringLiteral("calendarPrevious"));
    previous->setArrowType(Qt::LeftArrow);
    previous->setToolTip(tr("Previous month (Page Up)"));
    previous->setAccessibleName(tr("Previous month")); // an arrow has no text to go by
    auto* next = new QToolButton(this);
    next->setObjectName(QStringLiteral("calendarNext"));
    next->setArrowType(Qt::RightArrow);
    next->setToolTip(tr("Next month (Page Down)"));
    next->setAccessibleName(tr("Next month"));
    auto* today = new QToolButton(this);
    today->setObjectName(QStringLiteral("calendarToday"));
    today->setText(tr("Today"));
    today->setToolTip(tr("Today (Ctrl+T)"));
    m_title->setObjectName(QStringLiteral("calendarTitle"));
    m_title->setFlat(true);
    m_title->setToolTip(tr("List the entries of this month"));
    m_onThisDay->setObjectName(QStringLiteral("onThisDayList"));
    m_onThisDay->setAccessibleName(tr("On this day"));
    m_grid->setAccessibleName(tr("Calendar"));
    m_onThisDay->setEditTriggers(QAbstractItemView::NoEditTriggers); // it lists, never edits

    auto* heading = new QHBoxLayout;
    heading->addWidget(previous);
    heading->addWidget(m_title, 1);
    heading->addWidget(next);
    heading->addWidget(today);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    auto* onThisDayLabel = new QLabel(tr("On this day"), this);
    onThisDayLabel->setBuddy(m_onThisDay);
    layout->addWidget(onThisDayLabel);
    layout->addWidget(m_onThisDay, 1);

    connect(previous, &QToolButton::clicked, this,
            [this] { m_grid->selectDay(m_grid->selectedDay().addMonths(-1)); });
    connect(next, &QToolButton::clicked, this,
            [this] { m_grid->selectDay(m_grid->selectedDay().addMonths(1)); });
    connect(today, &QToolButton::clicked, this, &CalendarPane::GoToToday);
    connect(m_title, &QPushButton::clicked, this, &CalendarPane::ListMonth);
    connect(m_grid, &CalendarPaneGrid::monthChanged, this, &CalendarPane::Refresh);
    connect(m_grid, &CalendarPaneGrid::daySelected, this, &CalendarPane::ListDay);
    connect(m_grid, &CalendarPaneGrid::weekClicked, this, &CalendarPane::ListWeek);
    connect(m_grid, &CalendarPaneGrid::dayActivated, this, &CalendarPane::StartEntry);
    connect(m_onThisDay, &QListWidget::itemDoubleClicked, this, &CalendarPane::OpenOnThisDay);
    connect(&m_poll, &QTimer::timeout, this, &CalendarPane::Refresh);
    m_poll.start(kPollMs);
    ShowMonthTitle();
}

CalendarPane* CalendarPane::AddTo(QMainWindow& window, CQBKDoc& doc, CQBKView& view) {
    auto* dock = new QDockWidget(tr("Calendar"), &window);
    dock->setObjectName(QStringLiteral("calendarDock"));
    // Shown and hidden by the View menu only, which keeps the choice.
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* pane = new CalendarPane(doc, dock);
    pane->m_dock = dock;
    dock->setWidget(pane);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    dock->setVisible(QSettings().value(kShownKey, false).toBool());

    auto* list = qobject_cast<CEntryListView*>(view.pane(CQBKView::Pane::EntryList));
    CQBKView* shown = &view;
    connect(pane, &CalendarPane::listRequested, &view,
            [&doc, list, shown](const CalendarDays& days, const QString& caption) {
                if (!list || !doc.IsJournalOpen())
                    return;
                list->ListDays(CalendarEntries::DaysWhere(days));
                shown->SetListingCaption(caption);
            });
    // Choosing a folder or topics goes back to the folder's entries: the day listing shows
    // every entry of its days, so that it agrees with the marks.
    const auto backToFolder = [list, shown] {
        if (list && list->ListsDays()) {
            list->ClearDayListing();
            shown->SetListingCaption({});
        }
    };
    connect(pane, &CalendarPane::listingDropped, pane, backToFolder);
    for (CQBKView::Pane which : {CQBKView::Pane::FolderTree, CQBKView::Pane::TopicList}) {
        if (PaneWidget* source = view.pane(which)) {
            connect(source, &PaneWidget::captionChanged, pane, backToFolder);
            connect(source, &PaneWidget::topicsTextChanged, pane, backToFolder);
        }
    }
    return pane;
}

bool CalendarPane::IsShown() const {
    return m_dock && !m_dock->isHidden();
}

void CalendarPane::ToggleShown() {
    if (!m_dock)
        return;
    m_dock->setVisible(m_dock->isHidden());
    QSettings().setValue(kShownKey, IsShown());
    Refresh();
}

void CalendarPane::GoToToday() {
    const QDate today = QDate::currentDate();
    m_grid->selectDay(today);
    m_grid->setFocus();
    ListDay(today);
}

void CalendarPane::Refresh() {
    if (m_dock && m_dock->isHidden())
        return;
    const std::string path = m_doc.IsJournalOpen() ? m_doc.Path() : std::string();
    const FolderEntriesCache::FileState state = m_doc.ChangeState();
    const QDate month(m_grid->month().year(), m_grid->month().month(), 1);
    if (path == m_readPath && state == m_readState && month == m_readMonth &&
        m_readToday == QDate::currentDate())
        return;
    if (path != m_readPath)
        emit listingDropped();
    Reload();
    // Reading may fill the session's record of its rows, which counts as a change: the state
    // after the read is the one the marks show.
    m_readPath = path;
    m_readState = m_doc.ChangeState();
    m_readMonth = month;
    m_readToday = QDate::currentDate();
}

void CalendarPane::Reload() {
    ShowMonthTitle();
    m_onThisDay->clear();
    if (!m_doc.IsJournalOpen()) {
        m_grid->setCounts({});
        return;
    }
    m_grid->setCounts(CalendarEntries::CountsPerDay(m_doc, m_grid->month().shownDays()));
    const QDate today = QDate::currentDate();
    try {
        for (const EntryRow& row : OnThisDay::Rows(m_doc, today)) {
            auto* item = new QListWidgetItem(CalendarTexts::OnThisDayLine(row, today), m_onThisDay);
            item->setData(Qt::UserRole, QString::fromStdString(row.entryId));
        }
    } catch (const CppSQLite3Exception&) {
        // The list stays empty; the entry list tells what cannot be read.
    }
}

void CalendarPane::ShowMonthTitle() {
    m_title->setText(CalendarTexts::MonthTitle(m_grid->month().year(), m_grid->month().month()));
}

void CalendarPane::ListDay(QDate day) {
    emit listRequested({day, day}, CalendarTexts::DayCaption(day));
}

void CalendarPane::ListWeek(int row) {
    const CalendarMonth& month = m_grid->month();
    emit listRequested(month.rowDays(row),
                       CalendarTexts::WeekCaption(month.weekNumber(row), month.rowDays(row)));
}

void CalendarPane::ListMonth() {
    const CalendarMonth& month = m_grid->month();
    emit listRequested(month.monthDays(), CalendarTexts::MonthCaption(month.year(), month.month()));
}

void CalendarPane::StartEntry(QDate day) {
    if (m_doc.CanWrite())
        m_doc.NewEntryOn(toOleDateTime(day));
}

void CalendarPane::OpenOnThisDay(QListWidgetItem* item) {
    if (item && m_doc.IsJournalOpen())
        m_doc.OpenEntry(item->data(Qt::UserRole).toString().toStdString());
}
