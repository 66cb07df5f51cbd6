#include "core/richtext/CodePage.h"

#include "core/platform/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <mutex>
#include <string>

namespace richtext {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Owns one iconv descriptor from a code page to UTF-16LE.
class Converter {
public:
    explicit Converter(int codePage) {
        const std::string names[] = {"CP" + std::to_string(codePage),
                                     "WINDOWS-" + std::to_string(codePage),
                                     codePage == 10000 ? "MACINTOSH" : ""};
        for (const std::string& name : names) {
            if (name.empty())
                continue;
            m_cd = iconv_open("UTF-16LE", name.c_str());
            if (m_cd != reinterpret_cast<iconv_t>(-1))
                return;
        }
    }
    ~Converter() {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    enum class Result { Ok, Incomplete, Invalid };

    // Converts a whole sequence of one or two bytes to exactly one UTF-16 unit.
    Result convert(const char* bytes, size_t count, char16_t& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char in[2] = {bytes[0], count > 1 ? bytes[1] : '\0'};
        char* inPtr = in;
        size_t inLeft = count;
        unsigned char buffer[8];
        char* outPtr = reinterpret_cast<char*>(buffer);
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc == static_cast<size_t>(-1))
            return errno == EINVAL ? Result::Incomplete : Result::Invalid;
        // Pages with combining marks (1255, 1258) hold each base letter back until they see
        // what follows; flushing releases it.
        if (iconv(m_cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return Result::Invalid;
        if (inLeft != 0 || sizeof buffer - outLeft != 2)
            return Result::Invalid;
        out = static_cast<char16_t>(buffer[0] | (buffer[1] << 8));
        return Result::Ok;
    }

private:
    iconv_t m_cd = reinterpret_cast<iconv_t>(-1);
};

} // namespace

CodePage::CodePage(int windowsCodePage) : m_number(windowsCodePage) {
    for (int b = 0; b < 0x80; ++b)
        m_single[b] = static_cast<char16_t>(b);
    Converter converter(windowsCodePage);
    if (windowsCodePage == 1252 || !converter.valid()) {
        m_number = 1252;
        for (int b = 0x80; b < 0x100; ++b)
            m_single[b] = cp1252ToUnicode(static_cast<unsigned char>(b));
        return;
    }
    for (int b = 0x80; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        char16_t ch = kReplacement;
        const auto result = converter.convert(&byte, 1, ch);
        m_single[b] = result == Converter::Result::Ok ? ch : kReplacement;
        m_lead[b] = result == Converter::Result::Incomplete;
    }
    bool anyLead = false;
    for (bool lead : m_lead)
        anyLead = anyLead || lead;
    if (!anyLead)
        return;
    m_double = std::make_unique<std::array<char16_t, 0x8000 * 2>>();
    for (int lead = 0x80; lead < 0x100; ++lead) {
        for (int trail = 0; trail < 0x100; ++trail) {
            char16_t ch = kReplacement;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (!m_lead[lead] || converter.convert(pair, 2, ch) != Converter::Result::Ok)
                ch = kReplacement;
            (*m_double)[static_cast<size_t>((lead - 0x80) * 0x100 + trail)] = ch;
        }
    }
}

char16_t CodePage::decode(unsigned char lead, unsigned char trail) const {
    if (!m_double || lead < 0x80)
        return kReplacement;
    return (*m_double)[static_cast<size_t>((lead - 0x80) * 0x100 + trail)];
}

const CodePage& CodePage::get(int windowsCodePage) {
    // Only known pages are cached, so hostile numbers cannot grow the cache.
    static constexpr int kKnown[] = {437,  850,  852,  866,  874,  932,  936,  949,  950,  1250,
                                     1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 1361, 10000};
    if (std::find(std::begin(kKnown), std::end(kKnown), windowsCodePage) == std::end(kKnown))
        windowsCodePage = 1252;
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<CodePage>> pages;
    const std::lock_guard lock(mutex);
    auto& page = pages[windowsCodePage];
    if (!page)
        page = std::make_unique<CodePage>(windowsCodePage);
    return *page;
}

int CodePage::forCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // ANSI, DEFAULT, SYMBOL and anything unknown
    }
}

} // namespace richtext
