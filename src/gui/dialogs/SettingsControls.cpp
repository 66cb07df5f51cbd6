#include "gui/dialogs/SettingsControls.h"

#include "core/platform/TextEncoding.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/ControlId.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

std::vector<std::string> installedFaces() {
    std::vector<std::string> faces;
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            faces.push_back(textToStored(family));
    }
    return faces;
}

QComboBox* makeCombo(QWidget* dialog, int id) {
    auto* combo = new QComboBox(dialog);
    setControlId(combo, id);
    combo->setEditable(false);
    return combo;
}

} // namespace

void fillChoices(QComboBox* combo, const ChoiceList& choices) {
    combo->clear();
    for (const Choice& choice : choices.items)
        combo->addItem(
            storedToText(choice.label),
            QByteArray(choice.value.data(), static_cast<qsizetype>(choice.value.size())));
    combo->setCurrentIndex(choices.selected);
}

std::string chosenValue(const QComboBox* combo) {
    return combo->currentData().toByteArray().toStdString();
}

SettingsControls::SettingsControls(QWidget* dialog)
    : m_date(makeCombo(dialog, kDateComboId)), m_time(new QButtonGroup(dialog)),
      m_face(makeCombo(dialog, kFaceComboId)), m_size(makeCombo(dialog, kSizeComboId)) {
    auto* dateTime = new QFormLayout;
    dateTime->addRow(QCoreApplication::translate("SettingsControls", "&Date Format"), m_date);
    auto* radios = new QVBoxLayout;
    const int ids[] = {kTwelveHourId, kTwentyFourHourId, kNoTimeId};
    const ChoiceList offered = timeFormatChoices(std::string());
    for (std::size_t i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(storedToText(offered.items[i].label), dialog);
        setControlId(radio, ids[i]);
        m_time->addButton(radio, static_cast<int>(i));
        radios->addWidget(radio);
    }
    // A format stored elsewhere, shown only while the journal has one.
    auto* other = new QRadioButton(dialog);
    other->setObjectName(QStringLiteral("otherTimeFormat"));
    other->hide();
    m_time->addButton(other, 3);
    radios->addWidget(other);
    dateTime->addRow(QCoreApplication::translate("SettingsControls", "Time Format"), radios);
    m_dateTime = dateTime;

    // The two lists share one group title; each needs a name of its own.
    labelForScreenReaders(m_face, QCoreApplication::translate("SettingsControls", "Font"));
    labelForScreenReaders(m_size, QCoreApplication::translate("SettingsControls", "Size"));
    auto* font = new QHBoxLayout;
    m_size->setMinimumContentsLength(3);
    m_face->setMinimumContentsLength(16);
    font->addWidget(m_face, 1);
    font->addWidget(m_size);
    m_font = font;
}

void SettingsControls::show(const std::string& dateFormat, const std::string& timeFormat,
                            const std::string& fontName, int fontSize) {
    fillChoices(m_date, dateFormatChoices(dateFormat));
    m_timeChoices = timeFormatChoices(timeFormat);
    QAbstractButton* other = m_time->button(3);
    other->setVisible(m_timeChoices.keepsStoredValue);
    if (m_timeChoices.keepsStoredValue)
        other->setText(storedToText(m_timeChoices.items.back().label));
    m_time->button(m_timeChoices.selected)->setChecked(true);
    fillChoices(m_face, fontFaceChoices(installedFaces(), fontName));
    fillChoices(m_size, fontSizeChoices(fontSize));
}

std::string SettingsControls::dateFormat() const {
    return chosenValue(m_date);
}

std::string SettingsControls::timeFormat() const {
    const int checked = m_time->checkedId();
    if (checked < 0 || static_cast<std::size_t>(checked) >= m_timeChoices.items.size())
        return std::string();
    return m_timeChoices.items[static_cast<std::size_t>(checked)].value;
}

std::string SettingsControls::fontName() const {
    return chosenValue(m_face);
}

int SettingsControls::fontSize() const {
    return fontSizeValue(chosenValue(m_size));
}
