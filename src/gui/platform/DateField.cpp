#include "gui/platform/DateField.h"

#include "core/platform/DateDisplay.h"

#include <QDateTimeEdit>

void setUpDateField(QDateTimeEdit* field, DateFieldParts parts) {
    const DateDisplay::Style style = DateDisplay::chosen();
    const QLocale locale;
    QString format;
    if (parts != DateFieldParts::Time)
        format = DateDisplay::fieldDateFormat(style, locale);
    if (parts != DateFieldParts::Date) {
        if (!format.isEmpty())
            format += QLatin1Char(' ');
        format += DateDisplay::fieldTimeFormat(style, locale);
    }
    field->setLocale(locale);
    field->setDisplayFormat(format);
    field->setCalendarPopup(parts != DateFieldParts::Time);
    // Room for the widest value: the longest month and day names, two-digit fields, PM.
    const QString widest = locale.toString(QDateTime(QDate(2000, 9, 27), QTime(23, 58)), format);
    const QString current = field->text();
    const int extra = field->sizeHint().width() - field->fontMetrics().horizontalAdvance(current);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest) + extra);
}
