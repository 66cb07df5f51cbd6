#include "gui/dialogs/COptionsDlg.h"

#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/dialogs/SettingsControls.h"
#include "gui/platform/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QVBoxLayout* column(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QVBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return layout;
}

} // namespace

COptionsDlg::COptionsDlg(const OptionsValues& values, QWidget* parent)
    : QDialog(parent), m_values(values), m_settings(std::make_unique<SettingsControls>(this)),
      m_title(idEdit(this, kTitleId, static_cast<int>(kTitleMaxChars))),
      m_owner(idEdit(this, kOwnerId, static_cast<int>(kOwnerMaxChars))),
      m_prompt(idCheck(this, tr("Prompt for comment when saving a new entry"), kPromptId)),
      m_firstLine(idCheck(this, tr("For entries with no comment, show entry text in listing"),
                          kShowFirstLineId)),
      m_entryMove(
          idCheck(this, tr("Confirm before moving entries between folders"), kConfirmEntryMoveId)),
      m_folderMove(idCheck(this, tr("Confirm before moving folders"), kConfirmFolderMoveId)),
      m_location(idEdit(this, kLocationId)), m_shownDates(new QComboBox(this)) {
    setObjectName(QStringLiteral("COptionsDlg"));
    setWindowTitle(tr("Journal Options"));

    auto* names = new QFormLayout;
    names->addRow(tr("&Title"), m_title);
    names->addRow(tr("&Owner"), m_owner);
    m_location->setReadOnly(true);
    m_location->setMinimumWidth(320);

    m_shownDates->setObjectName(QStringLiteral("shownDates"));
    for (const DateDisplay::Style style : DateDisplay::kStyles)
        m_shownDates->addItem(DateDisplay::label(style), static_cast<int>(style));
    m_shownDates->setCurrentIndex(m_shownDates->findData(static_cast<int>(values.m_shownDates)));
    auto* shownDates = new QFormLayout;
    shownDates->addRow(DateDisplay::shownDatesCaption(), m_shownDates);

    auto* grid = new QGridLayout;
    grid->addLayout(names, 0, 0);
    grid->addWidget(group(this, tr("Entry Dates/Times"), m_settings->dateTimeLayout()), 1, 0, 2, 1);
    grid->addWidget(group(this, tr("Comments"), column({m_prompt, m_firstLine})), 0, 1);
    grid->addWidget(group(this, tr("Entries and Folders"), column({m_entryMove, m_folderMove})), 1,
                    1);
    grid->addWidget(group(this, tr("Entry Editor"), m_settings->fontLayout()), 2, 1);
    grid->addWidget(group(this, tr("Journal File Location (Read Only)"), column({m_location})), 3,
                    0, 1, 2);
    grid->addWidget(group(this, DateDisplay::onThisComputerCaption(), shownDates), 4, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(okCancelRow(this, tr("OK")));

    m_title->setText(storedToText(m_values.m_title));
    m_owner->setText(storedToText(m_values.m_owner));
    m_prompt->setChecked(m_values.m_bPromptForComment);
    m_firstLine->setChecked(m_values.m_bShowFirstLine);
    m_entryMove->setChecked(m_values.m_bConfirmEntryMove);
    m_folderMove->setChecked(m_values.m_bConfirmFolderMove);
    m_location->setText(QFile::decodeName(QByteArray::fromStdString(m_values.m_location)));
    m_settings->show(m_values.m_dateFormat, m_values.m_timeFormat, m_values.m_fontName,
                     m_values.m_fontSize);
    m_title->setFocus();
}

COptionsDlg::~COptionsDlg() = default;

bool COptionsDlg::Run(QWidget* parent, OptionsValues& values) {
    COptionsDlg dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

void COptionsDlg::accept() {
    OptionsValues read = m_values;
    read.m_title = textToStored(m_title->text());
    read.m_owner = textToStored(m_owner->text());
    read.m_bPromptForComment = m_prompt->isChecked();
    read.m_bShowFirstLine = m_firstLine->isChecked();
    read.m_bConfirmEntryMove = m_entryMove->isChecked();
    read.m_bConfirmFolderMove = m_folderMove->isChecked();
    if (const std::optional<DialogProblem> problem = checkOptions(read)) {
        showProblem(this, *problem);
        return;
    }
    read.m_dateFormat = m_settings->dateFormat();
    read.m_timeFormat = m_settings->timeFormat();
    read.m_fontName = m_settings->fontName();
    read.m_fontSize = m_settings->fontSize();
    read.m_shownDates = static_cast<DateDisplay::Style>(m_shownDates->currentData().toInt());
    m_values = std::move(read);
    QDialog::accept();
}
