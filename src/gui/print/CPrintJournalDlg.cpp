#include "gui/print/CPrintJournalDlg.h"

#include "core/platform/QtDates.h"
#include "core/print/PrintJournalState.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/DateField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QDateEdit* dayPicker(int id, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    setUpDateField(picker, DateFieldParts::Date);
    setControlId(picker, id);
    return picker;
}

QCheckBox* checkBox(const QString& text, int id, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    setControlId(box, id);
    return box;
}

} // namespace

CPrintJournalDlg::CPrintJournalDlg(PrintJournalState& state, QWidget* parent)
    : FormDialog(tr("Print Journal"), parent), m_state(state), m_what(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("printJournalDialog"));

    m_selectedEntry = new QRadioButton(tr("Print Selected Entry"), this);
    auto* allEntries = new QRadioButton(tr("Print All Entries"), this);
    m_currentFolder = new QRadioButton(tr("Print All Entries in Current Folder"), this);
    setControlId(m_selectedEntry, kSelectedEntryId);
    setControlId(allEntries, kAllEntriesId);
    setControlId(m_currentFolder, kCurrentFolderId);
    m_what->addButton(m_selectedEntry, EntryChoice::SelectedEntry);
    m_what->addButton(allEntries, EntryChoice::AllEntries);
    m_what->addButton(m_currentFolder, EntryChoice::CurrentFolder);

    auto* only = new QGroupBox(tr("Only Print Entries"), this);
    m_between = new QCheckBox(tr("Between"), only);
    setControlId(m_between, kBetweenId);
    m_firstDay = dayPicker(kFirstDayId, only);
    m_and = new QLabel(tr("AND"), only);
    setControlId(m_and, kAndId);
    m_lastDay = dayPicker(kLastDayId, only);
    nameDayRange(m_firstDay, m_lastDay);
    auto* days = new QHBoxLayout(only);
    days->addWidget(m_between);
    days->addWidget(m_firstDay);
    days->addWidget(m_and);
    days->addWidget(m_lastDay);
    days->addStretch();

    auto* layout = new QGroupBox(tr("Pages"), this);
    m_continuous = checkBox(tr("One entry after another"), kContinuousId, layout);
    m_pageNumbers = checkBox(tr("Page numbers and title"), kPageNumbersId, layout);
    m_comments = checkBox(tr("Comments"), kCommentsId, layout);
    auto* boxes = new QVBoxLayout(layout);
    for (QCheckBox* box : {m_continuous, m_pageNumbers, m_comments})
        boxes->addWidget(box);

    form()->addRow(m_selectedEntry);
    form()->addRow(allEntries);
    form()->addRow(m_currentFolder);
    form()->addRow(only);
    form()->addRow(layout);

    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        QPushButton* preview = buttons->addButton(tr("Pre&view"), QDialogButtonBox::ActionRole);
        setControlId(preview, kPreviewId);
        connect(preview, &QPushButton::clicked, this, [this] {
            m_state.m_bPreview = true;
            accept();
        });
    }

    showState();
    connect(m_what, &QButtonGroup::idClicked, this, [this] { readChoice(); });
    connect(m_between, &QCheckBox::clicked, this, [this] { readChoice(); });
    connect(m_firstDay, &QDateEdit::dateChanged, this, [this](const QDate& day) {
        m_state.SetFirstDay(toOleDateTime(day));
        showState();
    });
    connect(m_lastDay, &QDateEdit::dateChanged, this, [this](const QDate& day) {
        m_state.SetLastDay(toOleDateTime(day));
        showState();
    });
}

void CPrintJournalDlg::showState() {
    const QSignalBlocker blockFirst(m_firstDay);
    const QSignalBlocker blockLast(m_lastDay);
    m_selectedEntry->setEnabled(m_state.SelectedEntryEnabled());
    m_currentFolder->setEnabled(m_state.CurrentFolderEnabled());
    if (QAbstractButton* chosen = m_what->button(m_state.m_nPrintWhat))
        chosen->setChecked(true);
    m_between->setChecked(m_state.m_bBetween);
    m_between->setEnabled(m_state.BetweenEnabled());
    m_firstDay->setDate(toQDate(m_state.FirstDay()));
    m_lastDay->setDate(toQDate(m_state.LastDay()));
    m_continuous->setChecked(m_state.m_choices.continuous);
    m_pageNumbers->setChecked(m_state.m_choices.pageNumbers);
    m_comments->setChecked(m_state.m_choices.comments);
    for (QWidget* control : {static_cast<QWidget*>(m_firstDay), static_cast<QWidget*>(m_and),
                             static_cast<QWidget*>(m_lastDay)})
        control->setEnabled(m_state.DatesEnabled());
}

void CPrintJournalDlg::readChoice() {
    m_state.m_nPrintWhat = m_what->checkedId();
    m_state.m_bBetween = m_between->isChecked();
    m_state.m_choices = {m_continuous->isChecked(), m_pageNumbers->isChecked(),
                         m_comments->isChecked()};
    showState();
}

void CPrintJournalDlg::accept() {
    readChoice();
    FormDialog::accept();
}
