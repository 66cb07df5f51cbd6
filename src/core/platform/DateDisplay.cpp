#include "core/platform/DateDisplay.h"

#include "core/platform/COleDateTime.h"
#include "core/platform/DateFormats.h"
#include "core/platform/QtDates.h"
#include "core/platform/TextEncoding.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>

#include <atomic>

namespace DateDisplay {

namespace {

const QString kSettingsKey = QStringLiteral("Display/DateStyle");
const char* const kSettingNames[] = {"journal", "locale", "iso"};

// Read once from the profile; every row of a long list asks.
std::atomic<int> g_chosen{-1};

// The journal's format with a stored date format replaced by what its label shows.
std::string journalShown(const std::string& journalFormat) {
    for (const DateFormatChoice& choice : kDateFormats) {
        const std::string_view format(journalFormat);
        if (format.starts_with(choice.format) &&
            (format.size() == choice.format.size() || format[choice.format.size()] == ' '))
            return std::string(choice.shown) + journalFormat.substr(choice.format.size());
    }
    return journalFormat;
}

bool showsTime(const std::string& journalFormat) {
    static const QRegularExpression timeCode(QStringLiteral("%[-#]?[HIMp]"));
    return QString::fromStdString(journalFormat).contains(timeCode);
}

// Each lone letter of the given section doubled, so that every section has a fixed width.
QString fixedWidth(QString format, const QString& letters) {
    for (const QChar letter : letters) {
        const QRegularExpression lone(QStringLiteral("(?<!%1)%1(?!%1)").arg(letter));
        format.replace(lone, QString(2, letter));
    }
    return format;
}

} // namespace

QString label(Style style) {
    switch (style) {
    case Style::Locale:
        return QCoreApplication::translate("DateDisplay", "In my language");
    case Style::Iso:
        return QCoreApplication::translate("DateDisplay", "ISO 8601 (2004-07-05)");
    case Style::Journal:
        break;
    }
    return QCoreApplication::translate("DateDisplay", "As the journal says");
}

QString onThisComputerCaption() {
    return QCoreApplication::translate("DateDisplay", "On This Computer");
}

QString shownDatesCaption() {
    return QCoreApplication::translate("DateDisplay", "&Show dates:");
}

Style chosen() {
    int value = g_chosen.load();
    if (value < 0) {
        const QString saved = QSettings().value(kSettingsKey).toString();
        value = 0;
        for (int i = 0; i < 3; ++i)
            if (saved == QLatin1String(kSettingNames[i]))
                value = i;
        g_chosen.store(value);
    }
    return static_cast<Style>(value);
}

void choose(Style style) {
    QSettings().setValue(kSettingsKey, QLatin1String(kSettingNames[static_cast<int>(style)]));
    g_chosen.store(static_cast<int>(style));
}

QString format(const COleDateTime& when, const std::string& journalFormat, Style style,
               const QLocale& locale) {
    if (style == Style::Journal || !when.IsValid())
        return storedToText(when.Format(journalShown(journalFormat)));
    const QDateTime at = toQDateTime(when);
    const bool time = showsTime(journalFormat);
    if (style == Style::Iso)
        return at.toString(time ? QStringLiteral("yyyy-MM-dd HH:mm")
                                : QStringLiteral("yyyy-MM-dd"));
    QString text = locale.toString(at.date(), QLocale::LongFormat);
    if (time)
        text += QLatin1Char(' ') + locale.toString(at.time(), QLocale::ShortFormat);
    return text;
}

QString shown(const COleDateTime& when, const std::string& journalFormat) {
    return format(when, journalFormat, chosen(), QLocale());
}

QString fieldDateFormat(Style style, const QLocale& locale) {
    // The C locale's short date names the month in English: no order a person expects.
    if (style == Style::Iso || locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    static const QRegularExpression year(QStringLiteral("y+"));
    return fixedWidth(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("dM"))
        .replace(year, QStringLiteral("yyyy"));
}

QString fieldTimeFormat(Style style, const QLocale& locale) {
    if (style == Style::Iso || locale.language() == QLocale::C)
        return QStringLiteral("HH:mm");
    return fixedWidth(locale.timeFormat(QLocale::ShortFormat), QStringLiteral("hHm"));
}

} // namespace DateDisplay
