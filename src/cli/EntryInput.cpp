#include "cli/EntryInput.h"

#include "cli/CliFailure.h"
#include "cli/CliText.h"

#include "core/export/EntryValueCheck.h"
#include "core/platform/TextEncoding.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RichDocument.h"
#include "core/richtext/RtfWriter.h"

#include <QStringDecoder>

std::string entryRtfFromInput(const std::string& input, const std::string& fontName, int fontSize,
                              bool allowEmpty) {
    if (!allowEmpty && input.find_first_not_of(" \t\r\n") == std::string::npos)
        throw usageError(cliText(QT_TRANSLATE_NOOP(
            "qbk", "standard input holds no text (--allow-empty stores an empty entry)")));
    if (input.starts_with("{\\rtf")) {
        if (const std::optional<std::string> problem = EntryValueCheck::RtfShapeProblem(input))
            throw usageError(cliText(
                QT_TRANSLATE_NOOP("qbk", "standard input is not whole RTF: %1"), {*problem}));
        return input;
    }

    std::string_view lines = input;
    if (lines.ends_with("\r\n"))
        lines.remove_suffix(2);
    else if (lines.ends_with('\n'))
        lines.remove_suffix(1);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text =
        decoder(QByteArrayView(lines.data(), static_cast<qsizetype>(lines.size())));
    if (decoder.hasError())
        throw usageError(
            cliText(QT_TRANSLATE_NOOP("qbk", "standard input is neither RTF nor UTF-8 text")));

    richtext::RichDocument document = richtext::documentFromPlainText(textToStored(text));
    richtext::CharFormat format;
    format.face = storedToText(fontName);
    // A size no dialog offers (a hand-edited file) falls back to the editor's default.
    format.halfPoints =
        fontSize > 0 && fontSize <= 1638 ? fontSize * 2 : richtext::kDefaultHalfPoints;
    for (richtext::Paragraph& paragraph : document.paragraphs) {
        paragraph.mark = format;
        for (richtext::Run& run : paragraph.runs)
            run.format = format;
    }
    return richtext::RtfWriter::write(document);
}
