#include "core/richtext/PlainText.h"

#include "core/platform/TextEncoding.h"

namespace richtext {

namespace {

constexpr QChar kObject = QChar(0xFFFC);

// Joins the paragraphs, spelling breaks and pictures the way the caller wants them.
QString flatten(const RichDocument& document, QStringView paragraphBreak, QStringView lineBreak,
                QStringView picture) {
    // One allocation up front: long entries would otherwise copy the text as it grows.
    qsizetype size = 0;
    for (const Paragraph& paragraph : document.paragraphs) {
        size += paragraphBreak.size();
        for (const Run& run : paragraph.runs)
            size += run.image ? picture.size() : run.text.size();
    }
    QString out;
    out.reserve(size);
    const Paragraph* previous = nullptr;
    for (const Paragraph& paragraph : document.paragraphs) {
        // A table cell ends with a tab, as the control shows a row's cells on one line.
        if (previous)
            out += previous->end == ParagraphEnd::Cell ? u"\t" : paragraphBreak;
        previous = &paragraph;
        for (const Run& run : paragraph.runs)
            out += run.image ? picture : QStringView(run.text);
    }
    if (out.contains(kLineBreak))
        out.replace(kLineBreak, lineBreak.toString());
    return out;
}

} // namespace

QString controlText(const RichDocument& document) {
    const QChar object = kObject;
    return flatten(document, u"\r", u"\v", QStringView(&object, 1));
}

QString plainText(const RichDocument& document) {
    return flatten(document, u"\r\n", u"\r\n", QStringView());
}

std::string streamOutPlainText(const RichDocument& document) {
    return textToStored(plainText(document));
}

RichDocument documentFromPlainText(std::string_view bytes) {
    const QString text = storedToText(bytes);
    RichDocument document;
    if (text.isEmpty())
        return document;
    Paragraph paragraph;
    const CharFormat format;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\r' && text[i] != u'\n')
            continue;
        appendText(paragraph, format, QStringView(text).mid(start, i - start));
        paragraph.mark = format;
        document.paragraphs.push_back(std::move(paragraph));
        paragraph = Paragraph{};
        if (!end && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return document;
}

} // namespace richtext
