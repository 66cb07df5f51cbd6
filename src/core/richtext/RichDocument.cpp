#include "richtext/RichDocument.h"

namespace richtext {

void appendText(Paragraph& paragraph, const CharFormat& format, QStringView text) {
    if (text.isEmpty())
        return;
    if (!paragraph.runs.empty()) {
        Run& last = paragraph.runs.back();
        if (!last.image && last.format == format) {
            last.text.append(text);
            return;
        }
    }
    paragraph.runs.push_back(Run{format, text.toString(), std::nullopt});
}

void appendImage(Paragraph& paragraph, Image image) {
    paragraph.runs.push_back(Run{CharFormat{}, QString(), std::move(image)});
}

} // namespace richtext
