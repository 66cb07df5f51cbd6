#include "gui/dialogs/CSearchDlg.h"

#include "core/dialogs/SearchMemory.h"
#include "core/dialogs/SearchRules.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/session/Panes.h"
#include "gui/browser/EntryListModel.h"
#include "gui/dialogs/CEntryTopicsDlg.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/BackgroundWork.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/DateField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The criteria of the last search dialog, for the next one while the program runs.
SearchMemory& memory() {
    static SearchMemory kept;
    return kept;
}

QRadioButton* idRadio(QWidget* parent, const QString& text, int id) {
    auto* radio = new QRadioButton(text, parent);
    setControlId(radio, id);
    return radio;
}

QDateEdit* datePicker(QWidget* parent, int id) {
    auto* picker = new QDateEdit(parent);
    setControlId(picker, id);
    setUpDateField(picker, DateFieldParts::Date);
    // The other day follows once a date is entered, not at each typed digit.
    picker->setKeyboardTracking(false);
    return picker;
}

} // namespace

CSearchDlg::CSearchDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent, HitShower showHits)
    : QDialog(parent), m_doc(doc), m_ui(ui), m_values(memory().Recall(doc.Path())),
      m_showHits(std::move(showHits)), m_findText(idEdit(this, kFindTextId)),
      m_matchCase(idCheck(this, tr("&Case"), kMatchCaseId)),
      m_wholeWord(idCheck(this, tr("&Whole Word"), kWholeWordId)),
      m_lookInText(idCheck(this, tr("Entry &Text"), kLookInTextId)),
      m_lookInComments(idCheck(this, tr("&Comments"), kLookInCommentsId)),
      m_allEntries(idRadio(this, tr("&All Entries"), kAllEntriesId)),
      m_between(idRadio(this, tr("Entries &Between:"), kBetweenId)),
      m_startDate(datePicker(this, kStartDateId)), m_endDate(datePicker(this, kEndDateId)),
      m_topics(idButton(this, tr("&Topics..."), kTopicsId)), m_topicNames(new QLabel(this)),
      m_findEntriesWith(new QLabel(tr("Find entries with:"), this)),
      m_anyTopic(idRadio(this, tr("At least one of these topics"), kAnyTopicId)),
      m_allTopics(idRadio(this, tr("All of these topics"), kAllTopicsId)),
      m_beginSearch(idButton(this, tr("Begin &Search"), kBeginSearchId)),
      m_results(new QTreeView(this)), m_model(new EntryListModel(this)),
      m_noEntries(
          new QLabel(QCoreApplication::translate("SearchRules", SearchRules::kNoEntriesFound),
                     m_results->viewport())),
      m_count(new QLabel(this)) {
    setObjectName(QStringLiteral("CSearchDlg"));
    setWindowTitle(tr("Search Journal"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_doc.SetSearchWindow(this);

    setControlId(m_topicNames, kTopicNamesId);
    setControlId(m_findEntriesWith, kFindEntriesWithId);
    setControlId(m_results, kResultsId);
    m_topicNames->setWordWrap(true);
    m_topicNames->setMinimumWidth(220);
    m_count->setObjectName(QStringLiteral("resultCount"));

    // Separate groups, so the date and topic radio buttons do not exclude each other.
    auto* rangeGroup = new QButtonGroup(this);
    rangeGroup->addButton(m_allEntries, 0);
    rangeGroup->addButton(m_between, 1);
    auto* topicGroup = new QButtonGroup(this);
    topicGroup->addButton(m_anyTopic, 0);
    topicGroup->addButton(m_allTopics, 1);

    auto* find = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("&Find Entries With Text:"), this);
    findLabel->setBuddy(m_findText);
    find->addWidget(findLabel);
    find->addWidget(m_findText, 1);

    auto* match = new QVBoxLayout;
    match->addWidget(m_matchCase);
    match->addWidget(m_wholeWord);
    auto* lookIn = new QVBoxLayout;
    lookIn->addWidget(m_lookInText);
    lookIn->addWidget(m_lookInComments);
    auto* range = new QGridLayout;
    range->addWidget(m_allEntries, 0, 0, 1, 3);
    range->addWidget(m_between, 1, 0, 1, 3);
    nameDayRange(m_startDate, m_endDate);
    range->addWidget(m_startDate, 2, 0);
    range->addWidget(new QLabel(tr("and"), this), 2, 1);
    range->addWidget(m_endDate, 2, 2);
    auto* criteria = new QHBoxLayout;
    criteria->addWidget(group(this, tr("Match"), match));
    criteria->addWidget(group(this, tr("Look In"), lookIn));
    criteria->addWidget(group(this, tr("Date Range"), range));

    auto* topics = new QGridLayout;
    topics->addWidget(m_topics, 0, 0, Qt::AlignTop);
    topics->addWidget(m_topicNames, 0, 1, 2, 1, Qt::AlignTop);
    topics->addWidget(m_findEntriesWith, 0, 2);
    topics->addWidget(m_anyTopic, 0, 3);
    topics->addWidget(m_allTopics, 1, 3);
    topics->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    m_beginSearch->setDefault(true);
    buttons->addWidget(m_beginSearch);
    QPushButton* close = idButton(this, tr("&Close"), 2);
    buttons->addWidget(close);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(find);
    left->addLayout(criteria);
    left->addLayout(topics);
    top->addLayout(left, 1);
    top->addLayout(buttons);

    m_model->setDisplayFormat([] { return std::string(SearchRules::kResultDateFormat); });
    m_model->setInFolderShown(true);
    m_results->setModel(m_model);
    m_results->setAccessibleName(tr("Entries found"));
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->header()->setSectionsClickable(true);
    m_results->header()->setSortIndicatorShown(true);
    m_results->header()->setSortIndicator(-1, Qt::AscendingOrder);
    const int widths[] = {150, 190, 110, 150};
    for (int column = 0; column < 4; ++column)
        m_results->setColumnWidth(column, widths[column]);
    m_results->setMinimumSize(620, 200);
    m_noEntries->move(160, 30);
    m_noEntries->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_count);

    ShowValues();
    connect(m_allEntries, &QRadioButton::clicked, this, &CSearchDlg::UpdateEnabling);
    connect(m_between, &QRadioButton::clicked, this, &CSearchDlg::UpdateEnabling);
    connect(m_lookInText, &QCheckBox::clicked, this, &CSearchDlg::UpdateEnabling);
    connect(m_lookInComments, &QCheckBox::clicked, this, &CSearchDlg::UpdateEnabling);
    connect(m_startDate, &QDateEdit::dateChanged, this, [this](QDate day) {
        SearchRules::StartDateChosen(m_values, day);
        const QSignalBlocker quiet(m_endDate);
        m_endDate->setDate(m_values.endDate);
    });
    connect(m_endDate, &QDateEdit::dateChanged, this, [this](QDate day) {
        SearchRules::EndDateChosen(m_values, day);
        const QSignalBlocker quiet(m_startDate);
        m_startDate->setDate(m_values.startDate);
    });
    connect(m_topics, &QPushButton::clicked, this, &CSearchDlg::OnTopics);
    connect(m_beginSearch, &QPushButton::clicked, this, &CSearchDlg::OnBeginSearch);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] {
        Forget();
        deleteLater();
    });
    connect(m_results, &QTreeView::doubleClicked, this, &CSearchDlg::OnResultActivated);
    connect(m_results->header(), &QHeaderView::sectionClicked, this, &CSearchDlg::OnHeaderClicked);
    m_findText->setFocus();
}

CSearchDlg::~CSearchDlg() {
    if (m_doc.CurrentSearchWindow() == this)
        m_doc.SetSearchWindow(nullptr);
}

void CSearchDlg::Open(CQBKDoc& doc, JournalUi& ui, QWidget* parent, HitShower showHits) {
    if (auto* open = dynamic_cast<CSearchDlg*>(doc.CurrentSearchWindow())) {
        open->Activate();
        return;
    }
    auto* dialog = new CSearchDlg(doc, ui, parent, std::move(showHits));
    dialog->show();
}

void CSearchDlg::Activate() {
    show();
    raise();
    activateWindow();
}

void CSearchDlg::JournalClosing() {
    Forget();
    m_model->setRows({});
    hide();
    deleteLater();
}

void CSearchDlg::Forget() {
    ReadControls();
    if (m_doc.CurrentSearchWindow() == this) {
        memory().Keep(m_values, m_doc.Path());
        m_doc.SetSearchWindow(nullptr);
    }
}

void CSearchDlg::ReadControls() {
    m_values.findText = textToStored(m_findText->text());
    m_values.matchCase = m_matchCase->isChecked();
    m_values.wholeWord = m_wholeWord->isChecked();
    m_values.lookInText = m_lookInText->isChecked();
    m_values.lookInComments = m_lookInComments->isChecked();
    m_values.dateRange = m_between->isChecked() ? 1 : 0;
    m_values.startDate = m_startDate->date();
    m_values.endDate = m_endDate->date();
    m_values.topicMatch = m_allTopics->isChecked() ? 1 : 0;
}

void CSearchDlg::ShowValues() {
    m_findText->setText(storedToText(m_values.findText));
    m_matchCase->setChecked(m_values.matchCase);
    m_wholeWord->setChecked(m_values.wholeWord);
    m_lookInText->setChecked(m_values.lookInText);
    m_lookInComments->setChecked(m_values.lookInComments);
    (m_values.dateRange == 1 ? m_between : m_allEntries)->setChecked(true);
    {
        const QSignalBlocker quietStart(m_startDate);
        const QSignalBlocker quietEnd(m_endDate);
        m_startDate->setDate(m_values.startDate);
        m_endDate->setDate(m_values.endDate);
    }
    m_topicNames->setText(storedToText(m_values.topics.m_chosenNames));
    (m_values.topicMatch == 1 ? m_allTopics : m_anyTopic)->setChecked(true);
    UpdateEnabling();
}

void CSearchDlg::UpdateEnabling() {
    ReadControls();
    m_startDate->setEnabled(m_values.dateRange == 1);
    m_endDate->setEnabled(m_values.dateRange == 1);
    m_beginSearch->setEnabled(SearchRules::CanBeginSearch(m_values));
    const bool topics = SearchRules::TopicMatchEnabled(m_values);
    m_findEntriesWith->setEnabled(topics);
    m_anyTopic->setEnabled(topics);
    m_allTopics->setEnabled(topics);
}

void CSearchDlg::OnTopics() {
    ReadControls();
    TopicChoiceValues chosen = m_values.topics;
    if (CEntryTopicsDlg::RunTopicChoice(m_doc, m_ui, chosen, this))
        m_values.topics = chosen;
    ShowValues();
}

void CSearchDlg::OnBeginSearch() {
    if (!m_doc.IsJournalOpen() || m_searching)
        return;
    ReadControls();
    const std::shared_ptr<BackgroundReader> reader = m_doc.SearchReader();
    if (!reader)
        return;
    m_searching = true;
    m_noEntries->hide();
    m_model->setRows({});
    const SearchCriteria criteria = SearchRules::Criteria(m_values);
    m_lastSearch = criteria;
    auto found = std::make_shared<SearchFound>();
    auto listed = std::make_shared<SearchRules::SearchResults>();
    CQBKDoc& doc = m_doc;
    const QPointer<CSearchDlg> self(this);
    BackgroundWork::Start(
        this,
        {tr("Search Journal"), tr("Searching the journal..."), QStringLiteral("searchProgress")},
        // The hits are marked and their rows read on the worker too, through its connection.
        [reader, criteria, found, listed](BackgroundWork::Progress& progress) {
            *found = reader->Search(criteria, &progress.CancelFlag());
            if (!found->cancelled)
                *listed = SearchRules::ReadResults(reader->Reader(),
                                                   reader->MarksHits() ? nullptr : &found->hits);
        },
        [&doc, reader, found, listed, self](bool) {
            doc.FinishSearch(*reader, *found);
            if (self)
                self->ShowResults(found->cancelled, std::move(*listed));
        });
}

void CSearchDlg::ShowResults(bool cancelled, SearchRules::SearchResults results) {
    m_searching = false;
    if (cancelled) {
        m_count->setText(tr("The search was cancelled; no entry is marked anew."));
        emit SearchEnded();
        return;
    }
    if (!results.complete)
        m_ui.showError(results.failure);
    m_complete = results.complete;
    m_model->setRows(std::move(results.rows));
    if (m_sortColumn >= 0)
        m_model->sortRows(m_sortColumn, m_sortAscending);
    // A new search starts reading at its first result, wherever the last one was left.
    m_results->scrollToTop();
    ShowCount();
    emit SearchEnded();
}

void CSearchDlg::ShowCount() {
    const auto count = static_cast<std::size_t>(m_model->rowCount());
    m_noEntries->setVisible(count == 0 && m_complete);
    m_count->setText(count == 0 && m_complete
                         ? QString()
                         : QString::fromStdString(SearchRules::ResultCountText(count, m_complete)));
}

void CSearchDlg::OnHeaderClicked(int column) {
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;
    m_results->header()->setSortIndicator(column, m_sortAscending ? Qt::AscendingOrder
                                                                  : Qt::DescendingOrder);
    m_model->sortRows(column, m_sortAscending);
}

void CSearchDlg::OnResultActivated(const QModelIndex& index) {
    if (!index.isValid() || !m_doc.IsJournalOpen())
        return;
    const std::string entryId = m_model->row(index.row()).entryId;
    if (!SearchRules::EntryExists(m_doc, m_ui, entryId)) {
        m_ui.showMessage(
            QCoreApplication::translate("SearchRules", SearchRules::kEntryGone).toStdString());
        m_model->removeRow(index.row());
        m_count->setText(QString::fromStdString(SearchRules::ResultCountText(
            static_cast<std::size_t>(m_model->rowCount()), m_complete)));
        return;
    }
    m_doc.OpenEntry(entryId);
    if (m_showHits && m_doc.Editor() && m_doc.OpenEntryId() == entryId && m_lastSearch.lookInText)
        m_showHits(storedToText(m_lastSearch.findText), m_lastSearch.matchCase,
                   m_lastSearch.wholeWord);
    // Without an entry editor the entry is shown the other way a user finds it: selected in
    // the entry list.
    if (m_doc.Editor() == nullptr && m_doc.EntryList())
        m_doc.EntryList()->ShowEntry(entryId);
}
