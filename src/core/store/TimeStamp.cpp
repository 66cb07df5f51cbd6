#include "core/store/TimeStamp.h"

#include "core/platform/DateDisplay.h"
#include "core/platform/TextEncoding.h"
#include "core/store/SqlDatabase.h"
#include "core/store/SqlQuery.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The integer at [pos, pos+len) of the text, as atoi reads it; 0 when the text is shorter.
int fieldAt(std::string_view text, size_t pos, size_t len) {
    if (pos >= text.size())
        return 0;
    const std::string part(text.substr(pos, len));
    return std::atoi(part.c_str());
}

} // namespace

COleDateTime ParseTimeStamp(const char* stored) {
    const std::string_view text = stored ? std::string_view(stored) : std::string_view();
    COleDateTime when;
    when.SetDateTime(fieldAt(text, 0, 4), fieldAt(text, 5, 2), fieldAt(text, 8, 2),
                     fieldAt(text, 11, 2), fieldAt(text, 14, 2), 0);
    return when;
}

std::string MakeTimeStamp(const COleDateTime& when) {
    if (!when.IsValid())
        return {};
    // Always four year digits, so that positions and text order hold for years below 1000
    // (strftime's %Y does not pad).
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", when.GetYear(), when.GetMonth(),
                  when.GetDay(), when.GetHour(), when.GetMinute());
    return text;
}

std::string NewTimeStamp() {
    return MakeTimeStamp(COleDateTime::GetCurrentTime());
}

std::string DisplayFormat(SqlDatabase& db) {
    SqlQuery query = db.query("select * from Config;");
    // Built in place: GCC 12 at -O3 mistakes an assignment after the concatenation for an
    // overlapping copy (-Wrestrict).
    std::string format(1, ' ');
    if (!query.eof()) {
        format.insert(0, query.textField("DateFormat"));
        format += query.textField("TimeFormat");
    }
    query.finalize();
    return format;
}

std::string FormatTimeStamp(SqlDatabase& db, const char* stored) {
    // Kept in the stored code page with the other texts it travels with; the languages that
    // code page covers lose nothing.
    return textToStored(DateDisplay::shown(ParseTimeStamp(stored), DisplayFormat(db)));
}
