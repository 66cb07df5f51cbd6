#pragma once

#include <QString>

#include <string>

// The editor's date field shows the entry's date in the journal's own display format.
namespace EntryDateFormat {

// The journal's strftime display format as a Qt date-time display format: each code becomes
// the section that shows the same thing, other text is quoted; codes that name no date or
// time part are left out. An empty or unusable format gives "yyyy-MM-dd HH:mm".
QString editFormat(const std::string& format);

QString dateLabel();

} // namespace EntryDateFormat
