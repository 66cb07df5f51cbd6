#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <utility>

class JournalReader;

// How much was written: entries, and the words and characters of their shown text counted by
// the editor's own rule (EditorWindowRules::countText).
struct WrittenTotals {
    long long entries = 0;
    long long words = 0;
    long long characters = 0;
    void add(const WrittenTotals& other);
    bool operator==(const WrittenTotals&) const = default;
};

// The journal's statistics over a span of days (an invalid bound leaves that end open).
struct JournalStats {
    WrittenTotals all;
    std::map<std::pair<int, int>, WrittenTotals> perMonth; // (year, month)
    std::map<int, WrittenTotals> perYear;
    std::array<long long, 7> perWeekday{}; // entries, Monday first
    int daysWritten = 0;
    int longestStreak = 0; // consecutive days with entries
    QDate longestStreakEnd;
    // The run of days with entries up to the last day counted (today, or the span's end when
    // that is earlier); a day without entries yet does not break it until it is over.
    int currentStreak = 0;
    long long undated = 0; // entries whose stored time is no date: in all, nowhere else

    // 1 = Monday .. 7 = Sunday; the earlier day on a tie; 0 without dated entries.
    int busiestWeekday() const;
};

struct StatsSpan {
    QDate from;
    QDate to;
};

// Reads every entry of the span through reader. Runs on any thread (the reader's connection
// used from that thread only); progress is told as (done, total); cancel is looked at between
// entries, and a cancelled count stops with what it has.
JournalStats ComputeJournalStats(const JournalReader& reader, const StatsSpan& span, QDate today,
                                 const std::atomic<bool>* cancel = nullptr,
                                 const std::function<void(long long, long long)>& progress = {});

// The statistics as tab-separated lines, each led by its name in English, for other programs
// (qbk stats --tsv and the Statistics window's table export).
std::string JournalStatsTsv(const JournalStats& stats);
