#include "core/richtext/NoteRtf.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"

#include <gtest/gtest.h>

// A translated note may hold any character, RTF's own markup characters included: the view
// must show it as it is.
TEST(NoteRtfTest, ReadsBackAsTheNoteInAnyLanguage) {
    for (const char* note : {"No entry is selected.", "Großer Eintrag wird geladen…",
                             "{braces} and \\backslash", "日本語のメモ"}) {
        const QString text = QString::fromUtf8(note);
        const richtext::RichDocument document =
            richtext::RtfReader::read(richtext::NoteRtf(text, 0));
        EXPECT_EQ(richtext::plainText(document).trimmed(), text) << note;
    }
}
