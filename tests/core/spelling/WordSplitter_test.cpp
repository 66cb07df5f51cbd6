#include "core/spelling/WordSplitter.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

using spelling::splitWords;
using spelling::wordAtOrAfter;

namespace {

QString words(const QString& text) {
    QStringList found;
    for (const auto& span : splitWords(text))
        found.push_back(text.mid(span.start, span.length));
    return found.join(u'|');
}

} // namespace

TEST(WordSplitter, FindsTheWordsToCheck) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"  \n\t ", ""},
        {"Hello, world!", "Hello|world"},
        // apostrophes inside a word belong to it, quotes around it do not
        {"don't it’s 'quoted' O'Neill's", "don't|it’s|quoted|O'Neill's"},
        {"rock 'n' roll", "rock|n|roll"},
        // hyphens and dashes split
        {"well-known mother-in-law —dash", "well|known|mother|in|law|dash"},
        // words with digits are left alone
        {"mp3 2nd A4 1999 x86-64 word", "word"},
        // addresses are skipped whole, their neighbours are not
        {"see https://exmaple.org/a-b?c=d now", "see|now"},
        {"(www.exmaple.com) or mailto:someone@x.org", "or"},
        {"mail jane.doe@exmaple.co.uk, thanks", "mail|thanks"},
        {"user@ alone @home", "user|alone|home"},
        // letters of any script, with combining marks and outside the basic plane
        {"naïve café Zürich Ελλάδα", "naïve|café|Zürich|Ελλάδα"},
        {"cafe\u0301 \U0001D400x", "cafe\u0301|\U0001D400x"},
        // paragraph breaks and pictures separate words
        {"one\ntwo\u2029three\uFFFCfour", "one|two|three|four"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(words(QString::fromUtf8(text)), QString::fromUtf8(expected)) << text;
}

TEST(WordSplitter, WordAtOrAfterAPosition) {
    const QString text = QStringLiteral("alpha http://x.y/z beta-gamma");
    // Inside an address (6 to 17): the first word after it; "" after the last word.
    const std::pair<qsizetype, const char*> cases[] = {
        {-4, "alpha"}, {0, "alpha"},  {3, "alpha"},  {5, "beta"}, {10, "beta"},
        {19, "beta"},  {23, "gamma"}, {24, "gamma"}, {29, ""},    {999, ""}};
    for (const auto& [position, word] : cases) {
        const auto span = wordAtOrAfter(text, position);
        const QString found = span ? text.mid(span->start, span->length) : QString();
        EXPECT_EQ(found, QString::fromUtf8(word)) << position;
    }
}
