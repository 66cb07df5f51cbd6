#include "platform/RtfDocumentAdapter.h"

#include "richtext/ModelDump.h"
#include "support/GuiTest.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace richtext;

namespace {

// An entry with more character formats and paragraph layouts than any one screen holds,
// each used again after many others, goes through the document and back unchanged: formats
// shared between blocks and fragments are each read as their own.
TEST(RtfDocumentAdapterFormats, ManyFormatsUsedInTurnComeBackUnchanged) {
    ensureApplication();
    RichDocument model;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 90; ++i) {
            Paragraph p;
            p.layout.leftIndent = 15 * (i % 80);
            p.layout.spaceAfter = i % 3 == 0 ? 120 : 0;
            p.alignment = i % 4 == 1 ? Alignment::Center : Alignment::Left;
            p.mark.face = QStringLiteral("Arial");
            for (int k = 0; k < 3; ++k) {
                CharFormat f = p.mark;
                f.halfPoints = 10 + (i + k) % 100;
                f.bold = k == 1;
                f.color = k == 2 ? std::optional<std::uint32_t>(0x102030 + i) : std::nullopt;
                appendText(p, f, QStringLiteral("w%1.%2 ").arg(i).arg(k));
            }
            model.paragraphs.push_back(std::move(p));
        }
    }
    QTextDocument document;
    RtfDocumentAdapter::toDocument(model, document);
    EXPECT_EQ(dumpDocument(model), dumpDocument(RtfDocumentAdapter::fromDocument(document)));
}

} // namespace
