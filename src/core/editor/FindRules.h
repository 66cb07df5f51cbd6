#pragma once

#include <QString>

#include <optional>
#include <vector>

// Find and replace in the editor's text. Positions are character positions of the text as
// the editor holds it (one character per paragraph break), so they are cursor positions.
namespace FindRules {

struct Options {
    bool matchCase = false;
    bool wholeWord = false;
};

struct Match {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const Match&) const = default;
};

// Whether the text holds the needle at [start, start + length) under the options.
bool matchesAt(const QString& text, const QString& needle, qsizetype start, qsizetype length,
               const Options& options);

// The first match at or after from; when there is none before the end, the search goes on
// from the start of the text up to from. Nothing for an empty needle or no match.
std::optional<Match> findNext(const QString& text, const QString& needle, qsizetype from,
                              const Options& options);

// The last match that ends at or before the position; when there is none, the search goes on
// back from the end of the text. Nothing for an empty needle or no match.
std::optional<Match> findPrevious(const QString& text, const QString& needle, qsizetype before,
                                  const Options& options);

// Every match from the start, none overlapping, in order.
std::vector<Match> findAll(const QString& text, const QString& needle, const Options& options);

} // namespace FindRules
