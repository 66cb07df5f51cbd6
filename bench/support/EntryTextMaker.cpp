#include "bench/support/EntryTextMaker.h"

#include "core/platform/TextEncoding.h"
#include "core/richtext/RtfWriter.h"

#include <iterator>

namespace {

// Ordinary diary words, some with letters outside ASCII, so case folding has work to do.
constexpr const char* kWords[] = {
    "morning", "the",   "caf\u00e9",    "walked", "river",  "and",   "we",     "na\u00efve",
    "light",   "quiet", "of",           "later",  "Anna",   "wrote", "letter", "\u00c9cole",
    "rain",    "long",  "conversation", "bread",  "school", "tired", "happy",  "city",
    "train",   "went",  "evening",      "dinner", "books",  "work",  "little", "friends"};

} // namespace

const char* EntryTextMaker::word() {
    const std::uint32_t pick = below(1000);
    if (pick < 9)
        return kRareWord;
    if (pick < 40)
        return kCommonWord;
    return kWords[pick % std::size(kWords)];
}

std::string EntryTextMaker::rtf(std::size_t targetBytes) {
    using namespace richtext;
    const auto format = [](bool bold, bool italic) {
        CharFormat f;
        f.face = QStringLiteral("Times New Roman");
        f.bold = bold;
        f.italic = italic;
        return f;
    };
    const CharFormat plain = format(false, false);
    const CharFormat bold = format(true, false);
    const CharFormat italic = format(false, true);

    // The RTF header and the markup take a share of the bytes; measured once, close enough.
    const std::size_t textBytes = targetBytes * 3 / 4;
    RichDocument doc;
    std::size_t written = 0;
    while (written < textBytes) {
        Paragraph paragraph;
        paragraph.mark = plain;
        const int words = 20 + static_cast<int>(below(40));
        for (int w = 0; w < words && written < textBytes; ++w) {
            const std::uint32_t style = below(30);
            const CharFormat& format = style == 0 ? bold : style == 1 ? italic : plain;
            const QString text = QString::fromUtf8(word()) + u' ';
            appendText(paragraph, format, text);
            written += static_cast<std::size_t>(text.size());
        }
        doc.paragraphs.push_back(std::move(paragraph));
    }
    return RtfWriter::write(doc);
}

std::string EntryTextMaker::comment() {
    std::string text;
    const int words = 3 + static_cast<int>(below(6));
    for (int w = 0; w < words; ++w) {
        if (w > 0)
            text += ' ';
        text += word();
    }
    return textToStored(QString::fromUtf8(text));
}
