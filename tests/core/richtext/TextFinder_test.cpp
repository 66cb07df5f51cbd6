// The finder against Qt's own case-insensitive search, on texts of unusual case forms.
#include "core/richtext/TextFinder.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <gtest/gtest.h>

#include <random>

namespace {

bool isWordCharacter(char32_t ch) {
    return QChar::isLetter(ch) || QChar::isDigit(ch);
}

// The plain definition: every place Qt's search finds, checked for word boundaries.
qsizetype reference(const QString& haystack, const QString& needle, bool matchCase,
                    bool wholeWord) {
    if (needle.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = haystack.indexOf(needle, 0, cs); at >= 0;
         at = haystack.indexOf(needle, at + 1, cs)) {
        if (!wholeWord)
            return at;
        const QString before = haystack.first(at);
        const QString after = haystack.sliced(at + needle.size());
        const char32_t left = before.isEmpty() ? 0 : before.toUcs4().back();
        const char32_t right = after.isEmpty() ? 0 : after.toUcs4().front();
        if (!isWordCharacter(left) && !isWordCharacter(right))
            return at;
    }
    return -1;
}

// Kelvin sign, long s, sigmas, dotted and dotless i, sharp s, beyond the BMP; separators.
const char16_t* const kPieces[] = {
    u"k",      u"K",          u"\u212A",     u"s",      u"S",      u"\u017F", u"\u03C3",
    u"\u03A3", u"\u03C2",     u"i",          u"I",      u"\u0130", u"\u0131", u"\u00DF",
    u"\u1E9E", u"\U00010400", u"\U00010428", u" ",      u"-",      u"7",      u"\u00E9",
    u"\u00C9", u"ab",         u"AB",         u"\u00B5", u"\u03BC", u"\u00FF", u"\u0178"};

QString randomText(std::mt19937& rng, int pieces) {
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += QString::fromUtf16(kPieces[pick(rng)]);
    return text;
}

} // namespace

TEST(TextFinder, AgreesWithQtsSearchOnTextsWithUnusualCaseForms) {
    std::mt19937 rng(61206);
    std::uniform_int_distribution<int> needlePieces(1, 3), haystackPieces(0, 40);
    int found = 0;
    for (int round = 0; round < 4000; ++round) {
        const QString needle = randomText(rng, needlePieces(rng));
        const bool matchCase = round % 3 == 0;
        const bool wholeWord = round % 2 == 0;
        const richtext::TextFinder finder(needle, matchCase, wholeWord);
        for (int h = 0; h < 5; ++h) {
            const QString haystack = randomText(rng, haystackPieces(rng));
            const qsizetype expected = reference(haystack, needle, matchCase, wholeWord);
            const std::string options = std::string(matchCase ? " case" : "") +
                                        (wholeWord ? " word" : "") + ", needle " +
                                        needle.toStdString() + " in ";
            ASSERT_EQ(finder.find(haystack), expected) << options << haystack.toStdString();
            found += expected >= 0;
            // Text below U+0100 is also searched as one byte a character.
            QString narrow = haystack;
            narrow.removeIf([](QChar ch) { return ch.unicode() >= 0x100; });
            const QByteArray bytes = narrow.toLatin1();
            ASSERT_EQ(finder.find(QLatin1StringView(bytes)),
                      reference(narrow, needle, matchCase, wholeWord))
                << options << "Latin-1 " << narrow.toStdString();
        }
    }
    EXPECT_GT(found, 2000); // the texts must match often for the comparison to mean much
}

TEST(TextFinder, TheEmptyNeedleFindsNothing) {
    EXPECT_EQ(richtext::findText(QStringLiteral("ab"), QString(), false, false), -1);
}
