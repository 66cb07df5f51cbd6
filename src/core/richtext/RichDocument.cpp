#include "core/richtext/RichDocument.h"

namespace richtext {

namespace {

// The last run when text in the format joins it, else nullptr.
Run* joiningRun(Paragraph& paragraph, const CharFormat& format) {
    if (paragraph.runs.empty())
        return nullptr;
    Run& last = paragraph.runs.back();
    return !last.image && last.format == format ? &last : nullptr;
}

} // namespace

void appendText(Paragraph& paragraph, const CharFormat& format, QStringView text) {
    if (text.isEmpty())
        return;
    if (Run* last = joiningRun(paragraph, format))
        last->text.append(text);
    else
        paragraph.runs.push_back(Run{format, text.toString(), std::nullopt});
}

void appendText(Paragraph& paragraph, const CharFormat& format, QString&& text) {
    if (text.isEmpty())
        return;
    if (Run* last = joiningRun(paragraph, format))
        last->text.append(text);
    else
        paragraph.runs.push_back(Run{format, std::move(text), std::nullopt});
}

void appendImage(Paragraph& paragraph, Image image) {
    paragraph.runs.push_back(Run{CharFormat{}, QString(), std::move(image)});
}

} // namespace richtext
