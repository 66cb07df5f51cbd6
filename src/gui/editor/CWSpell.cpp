#include "gui/editor/CWSpell.h"

#include <QFile>
#include <hunspell.hxx>
#include <iconv.h>

#include <optional>

namespace {

// Hunspell's encoding names as iconv knows them.
std::string iconvName(const std::string& hunspellName) {
    if (hunspellName == "microsoft-cp1251")
        return "CP1251";
    if (hunspellName == "TIS620-2533")
        return "TIS-620";
    return hunspellName.empty() ? std::string("ISO8859-1") : hunspellName;
}

std::optional<std::string> convert(iconv_t cd, const std::string& in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1))
        return std::nullopt; // a character the dictionary's set lacks
    out.resize(out.size() - dstLeft);
    return out;
}

} // namespace

// Moves words between UTF-8 and the dictionary's encoding; nothing to do for UTF-8.
class CWSpell::Converter {
public:
    static std::unique_ptr<Converter> make(const std::string& encoding) {
        auto converter = std::unique_ptr<Converter>(new Converter);
        converter->m_utf8 = encoding == "UTF-8" || encoding == "utf-8";
        if (converter->m_utf8)
            return converter;
        const std::string name = iconvName(encoding);
        converter->m_toDictionary = iconv_open(name.c_str(), "UTF-8");
        converter->m_fromDictionary = iconv_open("UTF-8", name.c_str());
        if (converter->m_toDictionary == kNone || converter->m_fromDictionary == kNone)
            return nullptr;
        return converter;
    }
    ~Converter() {
        if (m_toDictionary != kNone)
            iconv_close(m_toDictionary);
        if (m_fromDictionary != kNone)
            iconv_close(m_fromDictionary);
    }

    std::optional<std::string> toDictionary(const QString& word) const {
        const std::string utf8 = word.toStdString();
        return m_utf8 ? utf8 : convert(m_toDictionary, utf8);
    }
    QString fromDictionary(const std::string& bytes) const {
        const auto utf8 =
            m_utf8 ? std::optional<std::string>(bytes) : convert(m_fromDictionary, bytes);
        return utf8 ? QString::fromStdString(*utf8) : QString();
    }

private:
    Converter() = default;
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    bool m_utf8 = true;
    iconv_t m_toDictionary = kNone;
    iconv_t m_fromDictionary = kNone;
};

std::unique_ptr<CWSpell> CWSpell::open(const spelling::Dictionary& dictionary) {
    // Hunspell itself opens missing files quietly and then knows no word at all.
    QFile affix(dictionary.affixPath);
    QFile words(dictionary.wordsPath);
    if (!affix.open(QIODevice::ReadOnly) || !words.open(QIODevice::ReadOnly) || words.size() == 0)
        return nullptr;
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(dictionary.affixPath).constData(),
                                               QFile::encodeName(dictionary.wordsPath).constData());
    auto converter = Converter::make(hunspell->get_dict_encoding());
    if (!converter)
        return nullptr;
    return std::unique_ptr<CWSpell>(
        new CWSpell(dictionary, std::move(hunspell), std::move(converter)));
}

CWSpell::CWSpell(spelling::Dictionary dictionary, std::unique_ptr<Hunspell> hunspell,
                 std::unique_ptr<Converter> converter)
    : m_dictionary(std::move(dictionary)), m_hunspell(std::move(hunspell)),
      m_converter(std::move(converter)) {}

CWSpell::~CWSpell() = default;

QString CWSpell::encoding() const {
    return QString::fromStdString(m_hunspell->get_dict_encoding());
}

bool CWSpell::isCorrect(const QString& word) {
    const auto bytes = m_converter->toDictionary(word);
    return bytes && m_hunspell->spell(*bytes);
}

QStringList CWSpell::suggestions(const QString& word) {
    const auto bytes = m_converter->toDictionary(word);
    if (!bytes)
        return {};
    QStringList result;
    for (const std::string& suggestion : m_hunspell->suggest(*bytes)) {
        const QString text = m_converter->fromDictionary(suggestion);
        if (!text.isEmpty() && !result.contains(text))
            result.push_back(text);
    }
    return result;
}

void CWSpell::addWord(const QString& word) {
    if (const auto bytes = m_converter->toDictionary(word))
        m_hunspell->add(*bytes);
}
