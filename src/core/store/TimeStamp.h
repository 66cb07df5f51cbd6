#pragma once

#include "core/platform/COleDateTime.h"

#include <string>

class SqlDatabase;

// Entry times are stored as "%Y-%m-%d %H:%M" text (local time, no seconds), which sorts and
// compares in time order. They are shown with the journal's own date and time formats.

// Reads a stored timestamp by fixed positions (year 0-3, month 5-6, day 8-9, hour 11-12,
// minute 14-15), each with the C library's integer conversion; seconds are 0. Separators are
// not checked. A missing or impossible date gives an invalid value.
COleDateTime ParseTimeStamp(const char* stored);

// The stored form of a date and time; seconds are dropped. Empty for an invalid value.
std::string MakeTimeStamp(const COleDateTime& when);

// The stored form of the current local time.
std::string NewTimeStamp();

// The journal's display format: DateFormat, one space, TimeFormat, read from the settings row
// on every call (NULL columns and a missing row count as empty).
std::string DisplayFormat(SqlDatabase& db);

// A stored timestamp as the journal displays it.
std::string FormatTimeStamp(SqlDatabase& db, const char* stored);
