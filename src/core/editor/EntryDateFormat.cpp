#include "core/editor/EntryDateFormat.h"

#include <QCoreApplication>

namespace EntryDateFormat {

namespace {

// The section of a code; nullptr for codes that have none. '#' and '-' drop leading zeros.
const char* section(char code, bool noZeros) {
    switch (code) {
    case 'Y':
        return "yyyy";
    case 'y':
        return "yy";
    case 'm':
        return noZeros ? "M" : "MM";
    case 'd':
    case 'e':
        return noZeros ? "d" : "dd";
    case 'b':
    case 'h':
        return "MMM";
    case 'B':
        return "MMMM";
    case 'a':
        return "ddd";
    case 'A':
        return "dddd";
    case 'H':
        return noZeros ? "H" : "HH";
    case 'I':
        return noZeros ? "h" : "hh";
    case 'M':
        return "mm";
    case 'S':
        return "ss";
    case 'p':
        return "AP";
    default:
        return nullptr;
    }
}

void appendLiteral(QString& out, QString& literal) {
    if (literal.isEmpty())
        return;
    out += QLatin1Char('\'') + literal.replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
    literal.clear();
}

} // namespace

QString editFormat(const std::string& format) {
    // The display format is the date's and the time's joined by a space; without a time
    // format the space is left over.
    const size_t first = format.find_first_not_of(' ');
    const std::string strftimeFormat =
        first == std::string::npos ? std::string()
                                   : format.substr(first, format.find_last_not_of(' ') - first + 1);
    QString out;
    QString literal;
    bool anySection = false;
    for (size_t i = 0; i < strftimeFormat.size(); ++i) {
        const char c = strftimeFormat[i];
        if (c != '%' || i + 1 == strftimeFormat.size()) {
            literal += QLatin1Char(c);
            continue;
        }
        char code = strftimeFormat[++i];
        const bool noZeros = (code == '#' || code == '-') && i + 1 < strftimeFormat.size();
        if (noZeros)
            code = strftimeFormat[++i];
        if (code == '%') {
            literal += QLatin1Char('%');
            continue;
        }
        if (const char* part = section(code, noZeros)) {
            appendLiteral(out, literal);
            out += QLatin1String(part);
            anySection = true;
        }
    }
    if (!anySection)
        return QStringLiteral("yyyy-MM-dd HH:mm");
    appendLiteral(out, literal);
    return out;
}

QString dateLabel() {
    return QCoreApplication::translate("Editor", "&Date:");
}

} // namespace EntryDateFormat
