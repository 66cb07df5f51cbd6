#pragma once

#include <QLocale>
#include <QString>

#include <string>

class COleDateTime;

// How dates are shown to the user of this computer. The journal keeps its own formats (and
// other programs read them), so the user's choice is kept in the profile, never in the file.
namespace DateDisplay {

enum class Style { Journal, Locale, Iso };
inline constexpr Style kStyles[] = {Style::Journal, Style::Locale, Style::Iso};

QString label(Style style);
// The Options dialog's group and field for the choice.
QString onThisComputerCaption();
QString shownDatesCaption();

// The choice made on this computer (default: as the journal says).
Style chosen();
void choose(Style style);

// A date and time as shown in the list, captions, print headers and exports. journalFormat
// is the journal's DateFormat and TimeFormat joined by a space; the other styles keep its
// time of day only when it shows one.
QString format(const COleDateTime& when, const std::string& journalFormat, Style style,
               const QLocale& locale);
// The same with the user's choice and language.
QString shown(const COleDateTime& when, const std::string& journalFormat);

// The display formats of the fields where dates are typed: every section a fixed number of
// digits, the year with its century, in the locale's order, or ISO 8601.
QString fieldDateFormat(Style style, const QLocale& locale);
QString fieldTimeFormat(Style style, const QLocale& locale);

} // namespace DateDisplay
