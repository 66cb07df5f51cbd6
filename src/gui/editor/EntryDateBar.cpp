#include "gui/editor/EntryDateBar.h"

#include "core/editor/EntryDateFormat.h"
#include "core/platform/COleDateTime.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QSignalBlocker>

EntryDateBar::EntryDateBar(QWidget* parent) : QToolBar(parent), m_edit(new QDateTimeEdit(this)) {
    setObjectName(QStringLiteral("editorDateBar"));
    setMovable(false);
    setFloatable(false);
    m_edit->setObjectName(QStringLiteral("entryDateEdit"));
    m_edit->setCalendarPopup(true);
    auto* label = new QLabel(EntryDateFormat::dateLabel(), this);
    label->setBuddy(m_edit);
    addWidget(label);
    addWidget(m_edit);
    connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, [this] { emit dateEdited(Shown()); });
    connect(m_edit, &QDateTimeEdit::editingFinished, this, [this] { emit dateChosen(Shown()); });
}

void EntryDateBar::ShowDate(const COleDateTime& when, const std::string& displayFormat) {
    const QSignalBlocker quiet(m_edit);
    m_edit->setDisplayFormat(EntryDateFormat::editFormat(displayFormat));
    m_edit->setDateTime(QDateTime(QDate(when.GetYear(), when.GetMonth(), when.GetDay()),
                                  QTime(when.GetHour(), when.GetMinute())));
}

COleDateTime EntryDateBar::Shown() const {
    const QDateTime at = m_edit->dateTime();
    return {at.date().year(), at.date().month(),  at.date().day(),
            at.time().hour(), at.time().minute(), 0};
}
