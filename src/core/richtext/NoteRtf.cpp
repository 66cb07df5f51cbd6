#include "core/richtext/NoteRtf.h"

#include <cstdint>

namespace richtext {

namespace {

std::string rtfText(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
        }
    }
    return out;
}

} // namespace

std::string NoteRtf(const QString& note, int colour) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 "
           "Arial;}}{\\colortbl "
           ";\\red0\\green0\\blue0;}{\\*\\generator Msftedit "
           "5.41.15.1503;}\\viewkind4\\uc1\\pard\\cf" +
           std::to_string(colour) + "\\lang1033\\f0\\fs20\\par\\pard\\qc " + rtfText(note) +
           "\\par}";
}

} // namespace richtext
