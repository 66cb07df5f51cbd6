#include "core/dialogs/SettingChoices.h"

#include "core/dialogs/DisplayFormats.h"
#include "core/platform/COleDateTime.h"
#include "core/platform/TextEncoding.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>

namespace {

// The moment the fixed examples show: Monday, July 5 2004, 1:30 PM.
const COleDateTime kExample(2004, 7, 5, 13, 30, 0);

ChoiceList selecting(std::vector<Choice> offered, const std::string& stored,
                     const std::string& keptLabel) {
    ChoiceList list{std::move(offered)};
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i].value == stored) {
            list.selected = static_cast<int>(i);
            return list;
        }
    }
    list.items.push_back({keptLabel, stored});
    list.selected = static_cast<int>(list.items.size() - 1);
    list.keepsStoredValue = true;
    return list;
}

std::string exampleIn(const std::string& format, const QString& whenEmpty) {
    const std::string shown = kExample.Format(format);
    return shown.empty() ? whenEmpty.toStdString() : shown;
}

// The labels of the time-format radio buttons, in kTimeFormats' order.
constexpr const char* kTimeLabels[] = {QT_TRANSLATE_NOOP("SettingChoices", "12 Hour (1:30 PM)"),
                                       QT_TRANSLATE_NOOP("SettingChoices", "24 Hour (13:30)"),
                                       QT_TRANSLATE_NOOP("SettingChoices", "None")};

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const int order = storedToText(a).compare(storedToText(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

} // namespace

const std::string& ChoiceList::selectedValue() const {
    return items.at(static_cast<std::size_t>(selected)).value;
}

ChoiceList dateFormatChoices(const std::string& stored) {
    std::vector<Choice> offered;
    for (const DateFormatChoice& choice : kDateFormats)
        offered.push_back({std::string(choice.label), std::string(choice.format)});
    return selecting(std::move(offered), stored,
                     exampleIn(stored, QCoreApplication::translate("SettingChoices", "(no date)")));
}

ChoiceList timeFormatChoices(const std::string& stored) {
    std::vector<Choice> offered;
    for (std::size_t i = 0; i < kTimeFormats.size(); ++i)
        offered.push_back(
            {QCoreApplication::translate("SettingChoices", kTimeLabels[i]).toStdString(),
             std::string(kTimeFormats[i])});
    const QString other = QCoreApplication::translate("SettingChoices", "Other (%1)");
    return selecting(std::move(offered), stored,
                     other.arg(storedToText(exampleIn(stored, QString()))).toStdString());
}

ChoiceList fontFaceChoices(std::vector<std::string> families, const std::string& stored) {
    const bool installed = std::find(families.begin(), families.end(), stored) != families.end();
    if (!installed)
        families.push_back(stored);
    std::sort(families.begin(), families.end(), lessIgnoringCase);
    families.erase(std::unique(families.begin(), families.end()), families.end());
    std::vector<Choice> offered;
    for (std::string& family : families)
        offered.push_back({family, family});
    ChoiceList list = selecting(std::move(offered), stored, stored);
    list.keepsStoredValue = !installed;
    return list;
}

ChoiceList fontSizeChoices(int stored) {
    std::vector<Choice> offered;
    bool placed = false;
    for (int size : kFontSizes) {
        if (!placed && stored < size) {
            offered.push_back({std::to_string(stored), std::to_string(stored)});
            placed = true;
        }
        placed = placed || stored == size;
        offered.push_back({std::to_string(size), std::to_string(size)});
    }
    if (!placed)
        offered.push_back({std::to_string(stored), std::to_string(stored)});
    ChoiceList list = selecting(std::move(offered), std::to_string(stored), std::string());
    list.keepsStoredValue =
        std::find(kFontSizes.begin(), kFontSizes.end(), stored) == kFontSizes.end();
    return list;
}

int fontSizeValue(std::string_view value) {
    int size = 12;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), size);
    return error == std::errc() && end != value.data() ? size : 12;
}
