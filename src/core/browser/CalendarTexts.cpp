#include "core/browser/CalendarTexts.h"

#include "core/browser/EntryRow.h"
#include "core/platform/TextEncoding.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Calendar)
};
QString longDay(QDate day) {
    return QLocale().toString(day, QStringLiteral("d MMMM yyyy"));
}
} // namespace

namespace CalendarTexts {

QString DayCaption(QDate day) {
    return Texts::tr("Entries of %1").arg(longDay(day));
}

QString WeekCaption(int weekNumber, const CalendarDays& days) {
    return Texts::tr("Entries of week %1 (%2 to %3)")
        .arg(weekNumber)
        .arg(longDay(days.first), longDay(days.last));
}

QString MonthCaption(int year, int month) {
    return Texts::tr("Entries of %1").arg(MonthTitle(year, month));
}

QString MonthTitle(int year, int month) {
    return QLocale().toString(QDate(year, month, 1), QStringLiteral("MMMM yyyy"));
}

QString EntriesTip(int count) {
    return count == 1 ? Texts::tr("1 entry") : Texts::tr("%1 entries").arg(count);
}

QString OnThisDayLine(const EntryRow& row, QDate today) {
    const int years = today.year() - row.timestamp.GetYear();
    const QString ago = years == 1 ? Texts::tr("1 year ago") : Texts::tr("%1 years ago").arg(years);
    const QString when = QLocale().toString(
        QDate(row.timestamp.GetYear(), row.timestamp.GetMonth(), row.timestamp.GetDay()),
        QLocale::ShortFormat);
    const QString comment = storedToText(row.comment);
    return comment.isEmpty() ? Texts::tr("%1 (%2)").arg(when, ago)
                             : Texts::tr("%1 (%2): %3").arg(when, ago, comment);
}

} // namespace CalendarTexts
