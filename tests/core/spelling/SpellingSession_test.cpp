#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingSession.h"
#include "support/FakeSpellChecker.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Step = std::function<void(SpellingSession&)>;
const Step ignore = [](SpellingSession& s) { s.ignore(); };
Step change(const char* to) {
    return [to](SpellingSession& s) { s.change(QString::fromUtf8(to)); };
}

// Applies the corrections to a text of its own, as the editor's document would.
class StringSink : public SpellTextSink {
public:
    explicit StringSink(QString text) : text(std::move(text)) {}
    void apply(const spelling::TextChange& change) override {
        ASSERT_LE(change.start + change.removed, text.size());
        text.replace(change.start, change.removed, change.inserted);
        ++changes;
    }
    QString text;
    int changes = 0;
};

class SpellingSessionTest : public testing::Test {
protected:
    SpellingSessionTest()
        : checker({u"The"_s, u"the"_s, u"cat"_s, u"sat"_s, u"on"_s, u"mat"_s, u"a"_s, u"dog"_s,
                   u"and"_s, u"receive"_s, u"naïve"_s}),
          service(checker, PersonalWordList(dir.filePath(QStringLiteral("words/personal.txt")))) {}

    // Runs a check answering each misspelling with the next step; returns the words found.
    QStringList run(const QString& text, qsizetype start, const std::vector<Step>& steps) {
        sink = std::make_unique<StringSink>(text);
        SpellingSession session(service, text, start, *sink);
        QStringList found;
        std::size_t step = 0;
        while (session.findNext()) {
            found.push_back(session.word());
            // the position reported must point at the word in the text as it is now
            EXPECT_EQ(sink->text.mid(session.wordStart(), session.word().size()), session.word());
            if (step == steps.size()) {
                ADD_FAILURE() << "unexpected stop at " << session.word().toStdString();
                break;
            }
            steps[step++](session);
        }
        EXPECT_EQ(step, steps.size()) << "the check ended early";
        EXPECT_EQ(session.text(), sink->text);
        return found;
    }

    QTemporaryDir dir;
    FakeSpellChecker checker;
    SpellingService service;
    std::unique_ptr<StringSink> sink;
};

} // namespace

// Known words, "naïve" among them, are passed; an empty text is no trouble.
TEST_F(SpellingSessionTest, ChangesOfAnotherLengthKeepLaterPositionsRight) {
    const QStringList found =
        run(QStringLiteral("Teh caaaaat sat on teh mt, naïve dog and recieve"), 0,
            {change("The"), change("cat"), ignore, change("the mat"), change("receive")});
    EXPECT_EQ(found, (QStringList{u"Teh"_s, u"caaaaat"_s, u"teh"_s, u"mt"_s, u"recieve"_s}));
    EXPECT_EQ(sink->text, QStringLiteral("The cat sat on teh the mat, naïve dog and receive"));
    EXPECT_EQ(sink->changes, 4);
    EXPECT_TRUE(run(QString(), 0, {}).isEmpty());
}

TEST_F(SpellingSessionTest, ChangeAllReplacesLaterOccurrencesWithoutStopping) {
    const QStringList found =
        run(QStringLiteral("dgo and cat, dgo and Dgo; dgo"), 0,
            {[](SpellingSession& s) { s.changeAll(QStringLiteral("a dog")); }, ignore});
    // the case differs, so "Dgo" is a word of its own
    EXPECT_EQ(found, (QStringList{u"dgo"_s, u"Dgo"_s}));
    EXPECT_EQ(sink->text, QStringLiteral("a dog and cat, a dog and Dgo; a dog"));
}

TEST_F(SpellingSessionTest, IgnoreAllLastsBeyondTheSession) {
    run(QStringLiteral("zork cat zork zork"), 0, {[](SpellingSession& s) { s.ignoreAll(); }});
    EXPECT_FALSE(service.isMisspelt(QStringLiteral("zork")));
    EXPECT_TRUE(service.isMisspelt(QStringLiteral("Zork")));
}

TEST_F(SpellingSessionTest, AddKeepsTheWordInThePersonalList) {
    run(QStringLiteral("Grüße cat Grüße"), 0, {[](SpellingSession& s) { EXPECT_FALSE(s.add()); }});
    // a later run reads the list back into its checker
    FakeSpellChecker fresh({});
    SpellingService later(fresh,
                          PersonalWordList(dir.filePath(QStringLiteral("words/personal.txt"))));
    EXPECT_FALSE(later.isMisspelt(QStringLiteral("Grüße")));
}

TEST_F(SpellingSessionTest, StartingMidTextWrapsAroundOnce) {
    const QString text = QStringLiteral("xa cat xb cat xc cat xd");
    // a start inside "xc" checks it first, then the rest, then the beginning
    const qsizetype start = text.indexOf(u"xc") + 1;
    const QStringList found =
        run(text, start, {change("dog"), change("mat"), change("a"), change("the")});
    EXPECT_EQ(found, (QStringList{u"xc"_s, u"xd"_s, u"xa"_s, u"xb"_s}));
    EXPECT_EQ(sink->text, QStringLiteral("a cat the cat dog cat mat"));
    // a start after the last word checks from the beginning
    EXPECT_EQ(run(text, text.size(), {ignore, ignore, ignore, ignore}),
              (QStringList{u"xa"_s, u"xb"_s, u"xc"_s, u"xd"_s}));
}

TEST_F(SpellingSessionTest, AnswersAreRememberedUntilTheWordsChange) {
    checker.questions = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(service.isMisspelt(QStringLiteral("cat")));
        EXPECT_TRUE(service.isMisspelt(QStringLiteral("kat")));
    }
    EXPECT_EQ(checker.questions, 2);
    service.ignoreAll(QStringLiteral("kat"));
    EXPECT_FALSE(service.isMisspelt(QStringLiteral("kat")));
}

TEST_F(SpellingSessionTest, ContextShowsTheWordWithinItsParagraph) {
    StringSink unused{QString()};
    const QString text = QStringLiteral("First line.\nSome words before wrod and after it\nNext");
    SpellingSession session(service, text, text.indexOf(u"wrod"), unused);
    ASSERT_TRUE(session.findNext());
    ASSERT_EQ(session.word(), QStringLiteral("wrod"));
    const auto wide = session.context(100);
    EXPECT_EQ(wide.before, QStringLiteral("Some words before "));
    EXPECT_EQ(wide.after, QStringLiteral(" and after it"));
    // cut to whole words
    const auto narrow = session.context(9);
    EXPECT_EQ(narrow.before, QStringLiteral("before "));
    EXPECT_EQ(narrow.after, QStringLiteral(" and"));
}
