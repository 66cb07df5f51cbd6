#include "gui/browser/CalendarPaneGrid.h"

#include "core/browser/CalendarTexts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

CalendarPaneGrid::CalendarPaneGrid(QWidget* parent)
    : QWidget(parent),
      m_month(CalendarMonth::holding(QDate::currentDate(), QLocale().firstDayOfWeek())),
      m_selected(QDate::currentDate()) {
    setObjectName(QStringLiteral("calendarGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CalendarPaneGrid::selectDay(QDate day) {
    if (!day.isValid())
        return;
    m_selected = day;
    if (day.year() != m_month.year() || day.month() != m_month.month()) {
        m_month = CalendarMonth::holding(day, m_month.firstDay());
        emit monthChanged();
    }
    update();
}

void CalendarPaneGrid::setCounts(std::map<QDate, int> counts) {
    m_counts = std::move(counts);
    update();
}

int CalendarPaneGrid::countOf(QDate day) const {
    const auto found = m_counts.find(day);
    return found == m_counts.end() ? 0 : found->second;
}

int CalendarPaneGrid::cellWidth() const {
    // Wide enough for a week number and the locale's short weekday names.
    int widest = fontMetrics().horizontalAdvance(QStringLiteral("00"));
    for (int day = 1; day <= 7; ++day)
        widest = std::max(
            widest, fontMetrics().horizontalAdvance(QLocale().dayName(day, QLocale::ShortFormat)));
    return widest + 10;
}

int CalendarPaneGrid::cellHeight() const {
    return fontMetrics().height() + 6;
}

QSize CalendarPaneGrid::sizeHint() const {
    return {cellWidth() * (CalendarMonth::kColumns + 1) + 1,
            cellHeight() * (CalendarMonth::kRows + 1) + 1};
}

QRect CalendarPaneGrid::dayRect(int row, int column) const {
    return {(column + 1) * cellWidth(), (row + 1) * cellHeight(), cellWidth(), cellHeight()};
}

QRect CalendarPaneGrid::weekRect(int row) const {
    return {0, (row + 1) * cellHeight(), cellWidth(), cellHeight()};
}

QDate CalendarPaneGrid::dayAt(const QPoint& pos, int* weekRow) const {
    const int row = pos.y() / cellHeight() - 1;
    const int column = pos.x() / cellWidth() - 1;
    if (weekRow)
        *weekRow = -1;
    if (pos.y() < 0 || pos.x() < 0 || row < 0 || row >= CalendarMonth::kRows ||
        column >= CalendarMonth::kColumns)
        return {};
    if (column < 0) {
        if (weekRow)
            *weekRow = row;
        return {};
    }
    return m_month.dayAt(row, column);
}

void CalendarPaneGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colors = palette();
    painter.fillRect(rect(), colors.base());
    QFont bold = font();
    bold.setBold(true);
    const QLocale locale;
    painter.setPen(colors.color(QPalette::PlaceholderText));
    for (int column = 0; column < CalendarMonth::kColumns; ++column) {
        const int weekday = (m_month.firstDay() - 1 + column) % 7 + 1;
        painter.drawText(QRect((column + 1) * cellWidth(), 0, cellWidth(), cellHeight()),
                         Qt::AlignCenter, locale.dayName(weekday, QLocale::ShortFormat));
    }
    const QDate today = QDate::currentDate();
    for (int row = 0; row < CalendarMonth::kRows; ++row) {
        painter.setFont(font());
        painter.setPen(colors.color(QPalette::PlaceholderText));
        painter.drawText(weekRect(row), Qt::AlignCenter, QString::number(m_month.weekNumber(row)));
        for (int column = 0; column < CalendarMonth::kColumns; ++column) {
            const QDate day = m_month.dayAt(row, column);
            const QRect cell = dayRect(row, column);
            const bool selected = day == m_selected;
            if (selected)
                painter.fillRect(cell.adjusted(1, 1, -1, -1), colors.highlight());
            if (day == today) {
                painter.setPen(colors.color(QPalette::Highlight));
                painter.drawRect(cell.adjusted(1, 1, -2, -2));
            }
            const bool inMonth = day.month() == m_month.month();
            painter.setFont(countOf(day) > 0 ? bold : font());
            painter.setPen(selected  ? colors.color(QPalette::HighlightedText)
                           : inMonth ? colors.color(QPalette::Text)
                                     : colors.color(QPalette::PlaceholderText));
            painter.drawText(cell, Qt::AlignCenter, QString::number(day.day()));
        }
    }
}

bool CalendarPaneGrid::event(QEvent* event) {
    // Enter starts an entry here; the window's Enter (open the selected entry) must not take it.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int count = countOf(dayAt(help->pos()));
        if (count > 0)
            QToolTip::showText(help->globalPos(), CalendarTexts::EntriesTip(count), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CalendarPaneGrid::mousePressEvent(QMouseEvent* event) {
    int weekRow = -1;
    const QDate day = dayAt(event->position().toPoint(), &weekRow);
    if (weekRow >= 0) {
        emit weekClicked(weekRow);
    } else if (day.isValid()) {
        selectDay(day);
        emit daySelected(day);
    }
}

void CalendarPaneGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QDate day = dayAt(event->position().toPoint());
    if (day.isValid())
        emit dayActivated(day);
}

void CalendarPaneGrid::moveTo(QDate day) {
    selectDay(day);
    emit daySelected(day);
}

void CalendarPaneGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(m_selected.addDays(-1));
        break;
    case Qt::Key_Right:
        moveTo(m_selected.addDays(1));
        break;
    case Qt::Key_Up:
        moveTo(m_selected.addDays(-7));
        break;
    case Qt::Key_Down:
        moveTo(m_selected.addDays(7));
        break;
    case Qt::Key_PageUp:
        moveTo(m_selected.addMonths(-1));
        break;
    case Qt::Key_PageDown:
        moveTo(m_selected.addMonths(1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit dayActivated(m_selected);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
