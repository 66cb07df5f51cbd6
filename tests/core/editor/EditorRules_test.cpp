#include "core/editor/CharFormatExchange.h"
#include "core/editor/EditorWindowRules.h"
#include "core/editor/FindRules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace CharFormatRules;
using Bit = PendingCharFormat::Bit;

namespace {

PendingCharFormat piece(const std::string& face, int twips, unsigned effects = 0,
                        unsigned color = 0) {
    PendingCharFormat f;
    f.mask = PendingCharFormat::kAll;
    f.faceName = face;
    f.heightTwips = twips;
    f.effects = effects;
    f.color = color;
    return f;
}

TEST(CharFormatRules, ASelectionNamesOnlyWhatAllItsPiecesShare) {
    const PendingCharFormat mixed =
        combine({piece("Arial", 240, Bit::Bold), piece("Arial", 280, Bit::Bold | Bit::Italic),
                 piece("Arial", 240, Bit::Bold, 0xff0000)});
    EXPECT_TRUE(mixed.names(Bit::Face | Bit::Bold));
    EXPECT_FALSE(mixed.names(Bit::Size));
    EXPECT_FALSE(mixed.names(Bit::Italic));
    EXPECT_FALSE(mixed.names(Bit::Color));
    EXPECT_EQ(mixed.effects, unsigned(Bit::Bold)) << "a mixed effect is not reported on";
    EXPECT_EQ(faceBoxText(mixed), "Arial");
    EXPECT_EQ(sizeBoxText(mixed), "");

    const PendingCharFormat faces = combine({piece("Arial", 240), piece("Arial Black", 240)});
    EXPECT_EQ(faceBoxText(faces), "") << "two faces, never a prefix of one";
    EXPECT_EQ(sizeBoxText(faces), "12");
    EXPECT_EQ(combine({}).mask, 0u);
}

TEST(CharFormatRules, BoldTurnsOnUnlessOnEverywhere) {
    const PendingCharFormat half = combine({piece("A", 240, Bit::Bold), piece("A", 240)});
    const PendingCharFormat all = combine({piece("A", 240, Bit::Bold), piece("A", 240, Bit::Bold)});
    const PendingCharFormat none = combine({piece("A", 240), piece("A", 240)});
    EXPECT_EQ(toggled(half, Bit::Bold).effects, unsigned(Bit::Bold));
    EXPECT_EQ(toggled(none, Bit::Bold).effects, unsigned(Bit::Bold));
    EXPECT_EQ(toggled(all, Bit::Bold).effects, 0u);
    // The result names only that effect, so nothing else of the selection changes.
    EXPECT_EQ(toggled(all, Bit::Italic).mask, unsigned(Bit::Italic));
}

TEST(CharFormatRules, TheFontDialogAppliesOnlyWhatTheUserChangedInIt) {
    // What the dialog showed (the stand-in for a face not installed, mixed effects off); what
    // it gave back on OK; what that applies to every piece of the selection.
    const PendingCharFormat shown = piece("DejaVu Serif", 240, Bit::Italic);
    const std::tuple<PendingCharFormat, unsigned, unsigned> cases[] = {
        {shown, 0u, 0u},
        {piece("DejaVu Serif", 240, Bit::Italic | Bit::StrikeOut), Bit::StrikeOut, Bit::StrikeOut},
        {piece("DejaVu Serif", 360, Bit::Italic | Bit::Bold), Bit::Size | Bit::Bold, Bit::Bold},
        {piece("Liberation Mono", 240, 0, 0xff0000), Bit::Face | Bit::Italic, 0u},
    };
    for (const auto& [chosen, mask, effects] : cases) {
        const PendingCharFormat applied = changedInFontDialog(shown, chosen);
        EXPECT_EQ(applied.mask, mask) << chosen.faceName << chosen.effects;
        EXPECT_EQ(applied.effects, effects);
    }
}

TEST(CharFormatRules, SizeBoxShowsTheExactSize) {
    const std::pair<int, const char*> cases[] = {{140, "7"},   {210, "10.5"},  {260, "13"},
                                                 {1440, "72"}, {245, "12.25"}, {241, "12.05"},
                                                 {200, "10"}};
    for (const auto& [twips, shown] : cases)
        EXPECT_EQ(sizeBoxText(piece("A", twips)), shown) << twips;
    EXPECT_EQ(faceBoxText(piece("Not Installed Face", 240)), "Not Installed Face");
}

TEST(CharFormatRules, ChoicesNameOnlyTheFaceOrTheSize) {
    const std::pair<const char*, int> sizes[] = {
        // text typed: twips, 0 when refused
        {"12", 240}, {"10.5", 210}, {"10,5", 210}, {" 9 ", 180}, {"1638", 32760},
        {"0", 0},    {"", 0},       {"abc", 0},    {"12pt", 0},  {"-3", 0},
        {"1639", 0}, {"0.5", 0},    {"1e2", 0},    {"nan", 0}};
    for (const auto& [text, twips] : sizes) {
        const auto format = sizeChoice(text);
        ASSERT_EQ(format.has_value(), twips != 0) << text;
        if (format) {
            EXPECT_EQ(format->heightTwips, twips) << text;
            EXPECT_EQ(format->mask, unsigned(Bit::Size));
        }
    }
    EXPECT_FALSE(faceChoice("   "));
    const auto face = faceChoice(" Liberation Serif ");
    ASSERT_TRUE(face);
    EXPECT_EQ(face->faceName, "Liberation Serif");
    EXPECT_EQ(face->mask, unsigned(Bit::Face));
}

TEST(FindRules, FindsForwardWithCaseAndWholeWordAndWrapsOnce) {
    const QString text = QStringLiteral("The cat scattered; the Cat sat.\nCAT");
    using FindRules::Match;
    // Needle, start, match case, whole word: the match.
    const std::tuple<const char*, qsizetype, bool, bool, std::optional<Match>> cases[] = {
        {"cat", 0, false, false, Match{4, 3}},
        {"cat", 5, false, false, Match{9, 3}}, // inside "scattered"
        {"cat", 5, false, true, Match{23, 3}}, // whole word skips "scattered"
        {"cat", 5, true, true, Match{4, 3}},   // the only match lies before: wraps to it
        {"CAT", 27, true, false, Match{32, 3}},
        {"the", 20, false, false, Match{0, 3}}, // wraps to the start
        {"dog", 0, false, false, std::nullopt},
        {"", 0, false, false, std::nullopt},
    };
    for (const auto& [needle, from, matchCase, wholeWord, expected] : cases)
        EXPECT_EQ(
            FindRules::findNext(text, QString::fromLatin1(needle), from, {matchCase, wholeWord}),
            expected)
            << needle << " from " << from;
}

TEST(FindRules, ReplaceAllMatchesDoNotOverlapAndSelectionChecksHonourOptions) {
    const auto all = FindRules::findAll(QStringLiteral("aaaa"), QStringLiteral("aa"), {});
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].start, 2);
    EXPECT_TRUE(FindRules::findAll(QStringLiteral("x"), QString(), {}).empty());
    const QString text = QStringLiteral("Ring ring, bring");
    EXPECT_EQ(FindRules::findAll(text, QStringLiteral("ring"), {false, true}).size(), 2u);
    EXPECT_EQ(FindRules::findAll(text, QStringLiteral("ring"), {true, false}).size(), 2u);
    EXPECT_TRUE(FindRules::matchesAt(text, QStringLiteral("ring"), 0, 4, {false, false}));
    EXPECT_FALSE(FindRules::matchesAt(text, QStringLiteral("ring"), 0, 4, {true, false}));
    EXPECT_FALSE(FindRules::matchesAt(text, QStringLiteral("ring"), 12, 4, {false, true}));
    EXPECT_FALSE(FindRules::matchesAt(text, QStringLiteral("ring"), 14, 4, {}));
}

TEST(EditorWindowRules, OpensOverTheMiddleThreeFifths) {
    EXPECT_EQ(EditorWindowRules::initialGeometry(QRect(0, 0, 1600, 1200)),
              QRect(320, 240, 960, 720));
    // A panel along the top moves and shrinks the area; the rule works inside it.
    EXPECT_EQ(EditorWindowRules::initialGeometry(QRect(0, 32, 1280, 868)),
              QRect(256, 32 + 173, 768, 519));
}

TEST(EditorWindowRules, CountsWordsAndCharacters) {
    using EditorWindowRules::TextCounts;
    const std::tuple<QString, TextCounts, const char*> cases[] = {
        {QString(), {0, 0}, "0 words, 0 characters"},
        {QStringLiteral("Hello"), {1, 5}, "1 word, 5 characters"},
        {QStringLiteral("Two  words\nand more"), {4, 18}, "4 words, 18 characters"},
        {QStringLiteral("- a \u2014 b -"), {2, 9}, "2 words, 9 characters"},
        {QStringLiteral("pic\uFFFCture"), {2, 7}, "2 words, 7 characters"},
        {QStringLiteral("it's 3rd"), {2, 8}, "2 words, 8 characters"},
    };
    for (const auto& [text, counts, shown] : cases) {
        EXPECT_EQ(EditorWindowRules::countText(text), counts) << text.toStdString();
        EXPECT_EQ(EditorWindowRules::countsText(counts).toStdString(), shown);
    }
}

} // namespace
