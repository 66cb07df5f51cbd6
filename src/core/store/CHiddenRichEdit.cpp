#include "core/store/CHiddenRichEdit.h"

#include "core/platform/TextEncoding.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/TextFinder.h"

namespace {

bool isCSpace(QChar ch) {
    return ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\v' || ch == u'\f' || ch == u'\r';
}

// The first count characters, never splitting a surrogate pair.
QString firstCharacters(const QString& text, int count) {
    qsizetype end = 0;
    for (int n = 0; n < count && end < text.size(); ++n) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                          text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

} // namespace

void CHiddenRichEdit::StreamInText(int format, std::string_view text) {
    if (format == SF_RTF && richtext::RtfReader::isRtf(text))
        m_document = richtext::RtfReader::read(text);
    else
        m_document = richtext::documentFromPlainText(text);
}

QString CHiddenRichEdit::ShownText(int format, std::string_view text) {
    if (format == SF_RTF && richtext::RtfReader::isRtf(text))
        return richtext::RtfReader::readControlText(text);
    return richtext::controlText(richtext::documentFromPlainText(text));
}

void CHiddenRichEdit::StreamOutText(std::string& output) const {
    output = richtext::streamOutPlainText(m_document);
}

std::string CHiddenRichEdit::StreamOutText() const {
    return richtext::streamOutPlainText(m_document);
}

int CHiddenRichEdit::FindInText(int format, bool matchCase, bool wholeWord, std::string_view text,
                                const QString& findWhat) {
    StreamInText(format, text);
    return Find(findWhat, matchCase, wholeWord);
}

int CHiddenRichEdit::Find(const QString& findWhat, bool matchCase, bool wholeWord) const {
    return static_cast<int>(
        richtext::findText(richtext::controlText(m_document), findWhat, matchCase, wholeWord));
}

std::string CHiddenRichEdit::DerivedDescription() const {
    QString text = richtext::plainText(m_document);
    text.replace(u'\r', u' ');
    text.remove(u'\n');
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isCSpace(text.at(start)))
        ++start;
    while (end > start && isCSpace(text.at(end - 1)))
        --end;
    return textToStored(firstCharacters(text.mid(start, end - start), kDescriptionLength));
}

std::string CHiddenRichEdit::StreamedPrefix() const {
    return textToStored(firstCharacters(richtext::plainText(m_document), kDescriptionLength));
}
