#pragma once

class QDateTimeEdit;

enum class DateFieldParts { Date, Time, DateAndTime };

// Sets up a field where a date or time is typed (Search, Print and Export ranges, Change Entry
// Date, the editor's date bar): the display format of the user's choice and language, wide
// enough for any value, a calendar for dates, and digits typed over a selected section replace
// it.
void setUpDateField(QDateTimeEdit* field, DateFieldParts parts);
