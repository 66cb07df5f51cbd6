#pragma once

#include <QToolBar>

class COleDateTime;
class QDateTimeEdit;

// The bar at the top of the editor that shows the entry's date and time and lets the user
// type another.
class EntryDateBar : public QToolBar {
    Q_OBJECT

public:
    explicit EntryDateBar(QWidget* parent);

    void ShowDate(const COleDateTime& when);
    QDateTimeEdit& Edit() const { return *m_edit; }

signals:
    // The user changed the date (each step of typing it).
    void dateEdited(const COleDateTime& when);
    // The user finished editing (Enter, or the focus left).
    void dateChosen(const COleDateTime& when);

private:
    COleDateTime Shown() const;

    QDateTimeEdit* m_edit;
};
