#include "core/platform/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, WritesCp1252WhenTheTextFitsAndUtf8WhenItDoesNot) {
    const QString french = QStringLiteral("Caf\u00e9 \u20ac \u201cquoted\u201d");
    EXPECT_EQ(textToStored(french), std::string("Caf\xe9 \x80 \x93quoted\x94"));

    const QString greek = QStringLiteral("\u03b1\u03b2 caf\u00e9");
    const std::string stored = textToStored(greek);
    EXPECT_EQ(stored, std::string("\xce\xb1\xce\xb2 caf\xc3\xa9"));
    EXPECT_EQ(storedToText(stored), greek);

    const QString emoji = QString::fromUtf8("note \xf0\x9f\x93\x9d");
    EXPECT_EQ(storedToText(textToStored(emoji)), emoji);
}

TEST(TextEncoding, ReadsUtf8OnlyWhenValidAndMultiByte) {
    // Plain ASCII is the same either way; a lone high byte is Windows-1252.
    EXPECT_EQ(storedToText("plain"), QStringLiteral("plain"));
    EXPECT_EQ(storedToText("\xe9t\xe9"), QStringLiteral("\u00e9t\u00e9"));
    // Overlong form, surrogate and truncated sequence are not UTF-8.
    EXPECT_EQ(storedToText("\xc0\xaf").size(), 2);
    EXPECT_EQ(storedToText("\xed\xa0\x80").size(), 3);
    EXPECT_EQ(storedToText("ab\xe2\x82").size(), 4);
    EXPECT_EQ(storedToText("\xe2\x82\xac"), QStringLiteral("\u20ac"));
}

// Whatever is written reads back as written, also when the code-page bytes of a text happen
// to form UTF-8 ("Itâ€™s" is the code-page spelling of the UTF-8 bytes of "It’s").
TEST(TextEncoding, EveryByteAndTextWhoseCodePageBytesReadAsUtf8ReadBackAsWritten) {
    const QString mojibake = QStringLiteral("It\u00e2\u20ac\u2122s");
    const std::string stored = textToStored(mojibake);
    EXPECT_EQ(stored, mojibake.toUtf8().toStdString());
    EXPECT_EQ(storedToText(stored), mojibake);
    // Each code-page byte is one character; it and every pair above ASCII survive the cycle.
    for (int first = 1; first < 0x100; ++first) {
        const std::string byte(1, static_cast<char>(first));
        ASSERT_EQ(storedToText(byte).size(), 1) << first;
        EXPECT_EQ(textToStored(storedToText(byte)), byte) << first;
        for (int second = 0x80; first >= 0x80 && second < 0x100; ++second) {
            const QString text =
                QString(QChar(cp1252ToUnicode(static_cast<unsigned char>(first)))) +
                QChar(cp1252ToUnicode(static_cast<unsigned char>(second)));
            ASSERT_EQ(storedToText(textToStored(text)), text) << first << ' ' << second;
        }
    }
    // Text that reads back anyway keeps its single-byte form.
    EXPECT_EQ(textToStored(QStringLiteral("na\u00efve caf\u00e9")),
              std::string("na\xefve caf\xe9"));
}
