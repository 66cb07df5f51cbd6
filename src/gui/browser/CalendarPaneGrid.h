#pragma once

#include "core/browser/CalendarMonth.h"

#include <QDate>
#include <QWidget>
#include <map>

// The calendar's month grid: a row of weekday names over six weeks, each led by its week
// number. Days with entries are bold and tell their count on hover. A click selects a day and
// lists it, a click on a week number lists that week; arrows move a day or a week, Page Up
// and Page Down a month; a double-click or Enter starts an entry on the day.
class CalendarPaneGrid : public QWidget {
    Q_OBJECT

public:
    explicit CalendarPaneGrid(QWidget* parent = nullptr);

    const CalendarMonth& month() const { return m_month; }
    QDate selectedDay() const { return m_selected; }
    // Shows the month holding day, with day selected.
    void selectDay(QDate day);
    void setCounts(std::map<QDate, int> counts);
    int countOf(QDate day) const;
    // Where a day's cell is, and the week number's cell of a row, for clicks and hovers.
    QRect dayRect(int row, int column) const;
    QRect weekRect(int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void monthChanged();
    void daySelected(QDate day);
    void weekClicked(int row);
    void dayActivated(QDate day);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Which day's cell holds pos, or an invalid date; row gets the week row of a week number.
    QDate dayAt(const QPoint& pos, int* weekRow = nullptr) const;
    void moveTo(QDate day);
    int cellWidth() const;
    int cellHeight() const;

    CalendarMonth m_month;
    QDate m_selected;
    std::map<QDate, int> m_counts;
};
