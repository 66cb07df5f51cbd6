#include "core/richtext/ListNumbering.h"

namespace richtext {

namespace {

QString roman(long long number) {
    static const std::pair<int, const char*> kDigits[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    QString out;
    for (const auto& [value, letters] : kDigits) {
        for (; number >= value; number -= value)
            out += QLatin1StringView(letters);
    }
    return out;
}

// 1 a, 26 z, 27 aa, 28 bb: the letter repeated, as word processors count past z.
QString letters(long long number) {
    const long long repeat = (number - 1) / 26 + 1;
    if (repeat > 64)
        return QString::number(number);
    return QString(static_cast<qsizetype>(repeat),
                   QChar(static_cast<char16_t>(u'a' + (number - 1) % 26)));
}

} // namespace

QString listNumberText(ListFormat::Style style, long long number) {
    const bool romanRange = number >= 1 && number <= 3999;
    switch (style) {
    case ListFormat::Style::UpperRoman:
        return romanRange ? roman(number) : QString::number(number);
    case ListFormat::Style::LowerRoman:
        return romanRange ? roman(number).toLower() : QString::number(number);
    case ListFormat::Style::UpperLetter:
        return number >= 1 ? letters(number).toUpper() : QString::number(number);
    case ListFormat::Style::LowerLetter:
        return number >= 1 ? letters(number) : QString::number(number);
    default:
        return QString::number(number);
    }
}

QString listLabel(const ListFormat& list, long long number) {
    if (!list.numbered())
        return list.level == ListFormat::Level::Bullet ? list.before + list.after : QString();
    return list.before + listNumberText(list.style, number) + list.after;
}

} // namespace richtext
