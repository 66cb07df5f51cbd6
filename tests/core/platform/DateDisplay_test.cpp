#include "core/platform/DateDisplay.h"
#include "core/platform/QtDates.h"

#include <gtest/gtest.h>

using DateDisplay::Style;

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);

TEST(DateDisplay, EachChoiceShowsTheDateInEveryLanguage) {
    const COleDateTime dec7(2026, 12, 7, 2, 2, 0);
    const std::string longest = "%A, %B %d %Y %I:%M %p";
    struct Case {
        std::string journal;
        Style style;
        QLocale locale;
        const char* shown;
    };
    const Case cases[] = {
        // As the journal says: English whatever the locale, days as the format's label shows.
        {longest, Style::Journal, kDe, "Monday, December 7 2026 02:02 AM"},
        {"%m/%d/%Y %H:%M", Style::Journal, kUs, "12/7/2026 02:02"},
        {"%d-%b-%Y ", Style::Journal, kDe, "7-Dec-2026 "},
        {"%d.%m.%Y", Style::Journal, kUs, "07.12.2026"}, // not one of ours: as stored
        {longest, Style::Locale, kUs, "Monday, December 7, 2026 2:02 AM"},
        {longest, Style::Locale, kDe, "Montag, 7. Dezember 2026 02:02"},
        {"%B %d, %Y ", Style::Locale, kDe, "Montag, 7. Dezember 2026"},
        {longest, Style::Iso, kDe, "2026-12-07 02:02"},
        {"%m/%d/%Y ", Style::Iso, kUs, "2026-12-07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateDisplay::format(dec7, c.journal, c.style, c.locale),
                  QString::fromUtf8(c.shown))
            << c.journal << " " << c.locale.name().toStdString();
    EXPECT_EQ(DateDisplay::format({2026, 2, 30, 0, 0, 0}, longest, Style::Locale, kDe),
              QStringLiteral("Invalid DateTime"));
}

TEST(DateDisplay, EachFieldFormatReadsBackWhatItShows) {
    const std::tuple<Style, QLocale, const char*> cases[] = {
        {Style::Locale, kUs, "12/07/2026 09:05 PM"},
        {Style::Journal, kDe, "07.12.2026 21:05"},
        {Style::Iso, kUs, "2026-12-07 21:05"},
    };
    const QDateTime at(QDate(2026, 12, 7), QTime(21, 5));
    for (const auto& [style, locale, shown] : cases) {
        const QString format = DateDisplay::fieldDateFormat(style, locale) + QLatin1Char(' ') +
                               DateDisplay::fieldTimeFormat(style, locale);
        EXPECT_EQ(locale.toString(at, format), QLatin1String(shown));
        EXPECT_EQ(locale.toDateTime(QLatin1String(shown), format), at) << shown;
    }
}

TEST(QtDates, ConvertBothWaysAndKeepInvalidInvalid) {
    const QDateTime at(QDate(2004, 2, 29), QTime(23, 59, 58));
    EXPECT_EQ(toOleDateTime(at), COleDateTime(2004, 2, 29, 23, 59, 58));
    EXPECT_EQ(toQDateTime(toOleDateTime(at)), at);
    EXPECT_FALSE(toOleDateTime(QDate()).IsValid());
    EXPECT_FALSE(toQDate(COleDateTime(2003, 2, 29, 0, 0, 0)).isValid());
}
