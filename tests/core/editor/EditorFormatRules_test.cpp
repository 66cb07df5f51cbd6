#include "core/editor/EditorFormatRules.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/EditorViewRules.h"
#include "core/editor/FindRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(FindRules, FindsBackwardWithCaseAndWholeWordAndWrapsOnce) {
    const QString text = QStringLiteral("The cat scattered; the Cat sat.\nCAT");
    using FindRules::Match;
    // Needle, position before which to look, match case, whole word: the match.
    const std::tuple<const char*, qsizetype, bool, bool, std::optional<Match>> cases[] = {
        {"cat", 35, false, false, Match{32, 3}}, {"cat", 32, false, false, Match{23, 3}},
        {"cat", 25, false, false, Match{9, 3}},  // "Cat" would end after the position
        {"cat", 23, false, true, Match{4, 3}},   // whole word skips "scattered"
        {"cat", 4, false, false, Match{32, 3}},  // nothing before: wraps to the last
        {"cat", 4, true, true, Match{4, 3}},     // the only match lies after: wraps to it
        {"CAT", 200, true, false, Match{32, 3}}, // a position past the end is the end
        {"dog", 35, false, false, std::nullopt}, {"", 10, false, false, std::nullopt},
    };
    for (const auto& [needle, before, matchCase, wholeWord, expected] : cases)
        EXPECT_EQ(FindRules::findPrevious(text, QString::fromLatin1(needle), before,
                                          {matchCase, wholeWord}),
                  expected)
            << needle << " before " << before;
}

TEST(EditorViewRules, ZoomStepsThroughTheListedLevelsAndStopsAtTheEnds) {
    using EditorViewRules::steppedZoom;
    // From, steps: to.
    const std::tuple<int, int, int> cases[] = {
        {100, 1, 110}, {100, -1, 90}, {100, 3, 150}, {300, 1, 300},   {50, -1, 50},
        {80, 1, 90},   {80, -1, 75},  {80, 2, 100},  {1000, -1, 250}, {0, 1, 67},
    };
    for (const auto& [from, steps, to] : cases)
        EXPECT_EQ(steppedZoom(from, steps), to) << from << " by " << steps;
    // A remembered zoom that is no level (edited by hand) starts at the default.
    EXPECT_EQ(EditorViewRules::validZoom(125), 125);
    EXPECT_EQ(EditorViewRules::validZoom(-4), 100);
    EXPECT_EQ(EditorViewRules::validZoom(120), 100);
    EXPECT_EQ(EditorViewRules::centringMargin(1900, EditorViewRules::readableWidth(200)), 250);
    EXPECT_EQ(EditorViewRules::centringMargin(500, EditorViewRules::readableWidth(100)),
              EditorViewRules::kTextMargin);
}

TEST(EditorFormatRules, ListLevelsAndIndentsStepWithinTheirBounds) {
    using EditorFormatRules::steppedIndent;
    using EditorFormatRules::steppedListDepth;
    EXPECT_EQ(steppedListDepth(0, 1), 1);
    EXPECT_EQ(steppedListDepth(8, 1), 8);
    EXPECT_EQ(steppedListDepth(2, -1), 1);
    EXPECT_EQ(steppedListDepth(0, -1), std::nullopt) << "out of the list";
    // Twips, steps: twips; from between two stops the first step goes to a stop.
    const std::tuple<int, int, int> indents[] = {
        {0, 1, 720},  {0, -1, 0},      {1000, 1, 1440}, {1000, -1, 720},
        {720, -1, 0}, {7000, 1, 7200}, {7200, 1, 7200}, {-300, -1, 0},
    };
    for (const auto& [from, steps, to] : indents)
        EXPECT_EQ(steppedIndent(from, steps), to) << from << " by " << steps;
}

TEST(EditorFormatRules, ClearingKeepsTheEntryFaceAndALinkOnly) {
    richtext::CharFormat rich;
    rich.face = QStringLiteral("Courier New");
    rich.halfPoints = 40;
    rich.bold = rich.italic = rich.strike = true;
    rich.color = 0xFF0000;
    rich.highlight = 0xFFFF00;
    rich.vertical = richtext::VerticalPosition::Superscript;
    rich.field = QStringLiteral("HYPERLINK \"https://example.org\"");
    richtext::CharFormat expected;
    expected.face = QStringLiteral("Arial");
    expected.halfPoints = 24;
    expected.field = rich.field;
    EXPECT_EQ(EditorFormatRules::cleared(rich, QStringLiteral("Arial"), 24), expected);
    rich.field = QStringLiteral("PAGE");
    expected.field.clear();
    EXPECT_EQ(EditorFormatRules::cleared(rich, QStringLiteral("Arial"), 24), expected);
}

TEST(EditorTexts, ReplaceAllSaysHowMany) {
    EXPECT_EQ(editortexts::replacedCount(1), QStringLiteral("Replaced 1 occurrence."));
    EXPECT_EQ(editortexts::replacedCount(3), QStringLiteral("Replaced 3 occurrences."));
}

} // namespace
