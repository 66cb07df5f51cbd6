#include "core/platform/TextEncoding.h"

#include <QList>
#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the UTF-8 sequence starting at bytes[i], or 0 when it is not a valid one.
size_t utf8SequenceLength(std::string_view bytes, size_t i) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    size_t len = 0;
    char32_t cp = 0;
    if (b0 < 0x80) {
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > bytes.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

char16_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

bool isMultiByteUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        const size_t len = utf8SequenceLength(bytes, i);
        if (len == 0)
            return false;
        multiByte = multiByte || len > 1;
        i += len;
    }
    return multiByte;
}

QString storedToText(std::string_view bytes) {
    if (isMultiByteUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        text.append(QChar(cp1252ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

bool fitsCp1252(const QString& text) {
    for (char32_t ch : text.toUcs4()) {
        if (!unicodeToCp1252(ch))
            return false;
    }
    return true;
}

std::string textToStored(const QString& text) {
    // Works on UTF-16 units: a surrogate never fits the code page, so no decoding is needed,
    // and long entry texts are converted without an intermediate copy.
    std::string out(static_cast<size_t>(text.size()), '\0');
    char* next = out.data();
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        const auto byte = ch < 0x80 ? std::optional<unsigned char>(static_cast<unsigned char>(ch))
                          : qc.isSurrogate() ? std::nullopt
                                             : unicodeToCp1252(ch);
        if (!byte) {
            const QByteArray utf8 = text.toUtf8();
            return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
        }
        *next++ = static_cast<char>(*byte);
    }
    // Code-page bytes that happen to form UTF-8 ("Itâ€™s") would read back as other text;
    // such text is stored as UTF-8, which reads back as typed.
    if (isMultiByteUtf8(out)) {
        const QByteArray utf8 = text.toUtf8();
        return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
    }
    return out;
}
