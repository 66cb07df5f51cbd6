#include "gui/editor/EntryDateBar.h"

#include "core/editor/EntryDateFormat.h"
#include "core/platform/QtDates.h"
#include "gui/platform/DateField.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QSignalBlocker>

EntryDateBar::EntryDateBar(QWidget* parent) : QToolBar(parent), m_edit(new QDateTimeEdit(this)) {
    setObjectName(QStringLiteral("editorDateBar"));
    setMovable(false);
    setFloatable(false);
    m_edit->setObjectName(QStringLiteral("entryDateEdit"));
    setUpDateField(m_edit, DateFieldParts::DateAndTime);
    auto* label = new QLabel(EntryDateFormat::dateLabel(), this);
    label->setBuddy(m_edit);
    addWidget(label);
    addWidget(m_edit);
    connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, [this] { emit dateEdited(Shown()); });
    connect(m_edit, &QDateTimeEdit::editingFinished, this, [this] { emit dateChosen(Shown()); });
}

void EntryDateBar::ShowDate(const COleDateTime& when) {
    const QSignalBlocker quiet(m_edit);
    m_edit->setDateTime(toQDateTime(when));
}

COleDateTime EntryDateBar::Shown() const {
    const QDateTime at = m_edit->dateTime();
    return toOleDateTime(at.date(), QTime(at.time().hour(), at.time().minute()));
}
