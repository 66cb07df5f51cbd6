#include "core/editor/FindRules.h"

#include <algorithm>

namespace FindRules {

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c.isMark();
}

Qt::CaseSensitivity sensitivity(const Options& options) {
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool wordBoundsHold(const QString& text, qsizetype start, qsizetype length) {
    if (start > 0 && isWordCharacter(text.at(start - 1)))
        return false;
    const qsizetype end = start + length;
    return end >= text.size() || !isWordCharacter(text.at(end));
}

// The first match in [from, limit), or nothing.
std::optional<Match> firstIn(const QString& text, const QString& needle, qsizetype from,
                             qsizetype limit, const Options& options) {
    for (qsizetype at = text.indexOf(needle, from, sensitivity(options));
         at >= 0 && at + needle.size() <= limit;
         at = text.indexOf(needle, at + 1, sensitivity(options))) {
        if (!options.wholeWord || wordBoundsHold(text, at, needle.size()))
            return Match{at, needle.size()};
    }
    return std::nullopt;
}

// The last match that starts at or before last, or nothing.
std::optional<Match> lastFrom(const QString& text, const QString& needle, qsizetype last,
                              const Options& options) {
    // lastIndexOf reads a negative start as counted from the end: stop before it.
    for (qsizetype at = last < 0 ? -1 : text.lastIndexOf(needle, last, sensitivity(options));
         at >= 0; at = at == 0 ? -1 : text.lastIndexOf(needle, at - 1, sensitivity(options))) {
        if (!options.wholeWord || wordBoundsHold(text, at, needle.size()))
            return Match{at, needle.size()};
    }
    return std::nullopt;
}

} // namespace

bool matchesAt(const QString& text, const QString& needle, qsizetype start, qsizetype length,
               const Options& options) {
    if (needle.isEmpty() || length != needle.size() || start < 0 || start + length > text.size())
        return false;
    if (QStringView(text).mid(start, length).compare(needle, sensitivity(options)) != 0)
        return false;
    return !options.wholeWord || wordBoundsHold(text, start, length);
}

std::optional<Match> findNext(const QString& text, const QString& needle, qsizetype from,
                              const Options& options) {
    if (needle.isEmpty())
        return std::nullopt;
    from = std::clamp<qsizetype>(from, 0, text.size());
    if (auto match = firstIn(text, needle, from, text.size(), options))
        return match;
    return firstIn(text, needle, 0, std::min(text.size(), from + needle.size() - 1), options);
}

std::optional<Match> findPrevious(const QString& text, const QString& needle, qsizetype before,
                                  const Options& options) {
    if (needle.isEmpty() || needle.size() > text.size())
        return std::nullopt;
    before = std::clamp<qsizetype>(before, 0, text.size());
    if (auto match = lastFrom(text, needle, before - needle.size(), options))
        return match;
    return lastFrom(text, needle, text.size() - needle.size(), options);
}

std::vector<Match> findAll(const QString& text, const QString& needle, const Options& options) {
    std::vector<Match> matches;
    if (needle.isEmpty())
        return matches;
    qsizetype from = 0;
    while (auto match = firstIn(text, needle, from, text.size(), options)) {
        matches.push_back(*match);
        from = match->start + match->length;
    }
    return matches;
}

} // namespace FindRules
