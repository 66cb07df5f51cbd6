#pragma once

#include "core/dialogs/SettingChoices.h"

#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLayout;
class QWidget;

// The controls the New Journal and Journal Options dialogs share: the date format list, the
// time format radio buttons and the default font's face and size lists, each with its control
// id. A stored value that is none of the choices is shown as one more choice (SettingChoices.h)
// and read back unchanged unless the user picks another.
class SettingsControls {
public:
    static constexpr int kDateComboId = 1004;
    static constexpr int kTwelveHourId = 1019;
    static constexpr int kTwentyFourHourId = 1020;
    static constexpr int kNoTimeId = 1021;
    static constexpr int kFaceComboId = 1134;
    static constexpr int kSizeComboId = 1135;

    explicit SettingsControls(QWidget* dialog);

    void show(const std::string& dateFormat, const std::string& timeFormat,
              const std::string& fontName, int fontSize);

    std::string dateFormat() const;
    std::string timeFormat() const;
    std::string fontName() const;
    int fontSize() const;

    // "Date Format" with its list and "Time Format" with the radio buttons.
    QLayout* dateTimeLayout() const { return m_dateTime; }
    // "Default Font": face and size side by side.
    QLayout* fontLayout() const { return m_font; }

private:
    QComboBox* m_date;
    QButtonGroup* m_time;
    QComboBox* m_face;
    QComboBox* m_size;
    QLayout* m_dateTime;
    QLayout* m_font;
    ChoiceList m_timeChoices;
};

// Fills a list with the choices, the selected one current; each item carries its value.
void fillChoices(QComboBox* combo, const ChoiceList& choices);
// The value of the current item (stored bytes).
std::string chosenValue(const QComboBox* combo);
