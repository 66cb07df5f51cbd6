#include "core/export/EntryValueCheck.h"

#include "core/platform/TextEncoding.h"
#include "core/protect/ContentCipher.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"
#include "core/store/SqlBinary.h"
#include "core/store/TimeStamp.h"

#include <QCoreApplication>

#include <cctype>
#include <cstring>
#include <vector>

namespace EntryValueCheck {

namespace {

std::string said(const QString& problem) {
    return problem.toStdString();
}

// Depth of the RTF's groups at its end, or -1 when a group closes that never opened.
int groupDepthAtEnd(std::string_view rtf) {
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char ch = rtf[i];
        if (ch == '\\') {
            ++i; // an escaped brace or backslash is text
        } else if (ch == '{') {
            ++depth;
        } else if (ch == '}' && --depth < 0) {
            return -1;
        }
    }
    return depth;
}

} // namespace

std::optional<std::string> TimeStampProblem(const char* stored) {
    if (stored == nullptr)
        return said(QCoreApplication::translate("EntryValueCheck", "has no time stamp"));
    const std::string_view text(stored);
    static constexpr std::string_view shape = "dddd-dd-dd dd:dd";
    bool formed = text.size() == shape.size();
    for (std::size_t i = 0; formed && i < shape.size(); ++i)
        formed = shape[i] == 'd' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                 : text[i] == shape[i];
    if (!formed || !ParseTimeStamp(stored).IsValid() || ParseTimeStamp(stored).GetHour() > 23 ||
        ParseTimeStamp(stored).GetMinute() > 59)
        return said(
            QCoreApplication::translate("EntryValueCheck", "time stamp \"%1\" does not parse")
                .arg(storedToText(text)));
    return std::nullopt;
}

std::optional<std::string> CipherProblem(const char* stored, const BlowfishEngine& keyed,
                                         std::string& plain) {
    plain.clear();
    if (stored == nullptr || *stored == '\0')
        return std::nullopt; // read as empty, as the program does
    std::vector<unsigned char> bytes(std::strlen(stored) + 1);
    const int length =
        SqlBinary::decodeBytes(reinterpret_cast<const unsigned char*>(stored), bytes.data());
    if (length < 0)
        return said(QCoreApplication::translate("EntryValueCheck", "does not decode"));
    if (length % 8 != 0)
        return said(QCoreApplication::translate("EntryValueCheck",
                                                "is cut short (%1 bytes, not whole cipher blocks)")
                        .arg(length));
    ContentCipher cipher;
    cipher.SetData(bytes.data(), length);
    plain = cipher.Decipher(keyed);
    return std::nullopt;
}

std::optional<std::string> RtfShapeProblem(std::string_view rtf) {
    const int depth = groupDepthAtEnd(rtf);
    if (depth < 0)
        return said(
            QCoreApplication::translate("EntryValueCheck", "RTF closes a group it never opened"));
    if (depth > 0)
        return said(QCoreApplication::translate("EntryValueCheck",
                                                "RTF ends inside an open group (cut short)"));
    return std::nullopt;
}

std::optional<std::string> RtfProblem(std::string_view rtf) {
    if (!richtext::RtfReader::isRtf(rtf))
        return said(QCoreApplication::translate("EntryValueCheck", "does not decipher to RTF"));
    if (std::optional<std::string> shape = RtfShapeProblem(rtf))
        return shape;
    const richtext::RichDocument document = richtext::RtfReader::read(rtf);
    if (richtext::RtfReader::read(richtext::RtfWriter::write(document)) != document)
        return said(QCoreApplication::translate("EntryValueCheck",
                                                "RTF does not read back unchanged after saving"));
    return std::nullopt;
}

} // namespace EntryValueCheck
