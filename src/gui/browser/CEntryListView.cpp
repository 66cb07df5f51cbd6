#include "gui/browser/CEntryListView.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/EntryCommentEdit.h"
#include "core/browser/EntryListSort.h"
#include "core/browser/EntryRows.h"
#include "core/dialogs/DialogChecks.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/CPreviewPane.h"
#include "gui/browser/CTopicListView.h"
#include "gui/browser/EntryDrag.h"
#include "gui/browser/EntryListFill.h"
#include "gui/browser/EntryListModel.h"
#include "gui/browser/PaneContextMenu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDataStream>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Widths for a list font averaging 6 pixels a character (the small sans-serif font the list
// was laid out for); they grow with a wider font so that the same texts fit.
constexpr int kDateWidth = 150;
constexpr int kCommentWidth = 200;
constexpr int kInFolderWidth = 80;
constexpr int kTopicsWidth = 150;
constexpr double kLayoutCharWidth = 6.0;
constexpr int kCellPadding = 16; // the cell's margins and the header's sort arrow

// The widest text a date format gives: every month with days of every weekday, at a time
// with wide digits.
int widestDate(const QFontMetrics& metrics, const std::string& format) {
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day)
            widest =
                std::max(widest, metrics.horizontalAdvance(storedToText(
                                     COleDateTime(2028, month, day, 20, 58, 58).Format(format))));
    return widest;
}
} // namespace

CEntryListView::CEntryListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : PaneWidget(parent), m_doc(doc), m_ui(ui), m_model(new EntryListModel(this)),
      m_list(new QTreeView(this)), m_drag(std::make_unique<EntryDrag>(*this)),
      m_fill(std::make_unique<EntryListFill>([this](EntryListFill::Result result) {
          m_loading->hide();
          if (result.error) {
              m_afterListing.clear();
              m_doc.ShowDatabaseError(*result.error);
              return;
          }
          OnListed(std::move(result.rows));
      })) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    m_model->setDisplayFormat([this] {
        const std::optional<std::string> format =
            m_doc.IsJournalOpen() ? m_doc.DisplayFormat() : std::nullopt;
        return format.value_or(" ");
    });
    m_model->setInFolderShown(SharedEntryListSort().inFolderShown);

    m_list->setObjectName(QStringLiteral("entryList"));
    m_list->setAccessibleName(tr("Entries"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->header()->setStretchLastSection(true); // the last column takes the list's width
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSectionsMovable(false);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    ApplyColumnLayout();

    m_loading =
        new QLabel(QCoreApplication::translate("BrowserMessages", BrowserMessages::kLoadingEntries),
                   m_list->viewport());
    m_loading->setObjectName(QStringLiteral("entryListLoading"));
    m_loading->move(8, 8);
    m_loading->hide();

    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CEntryListView::OnHeaderClicked);
    connect(m_list->header(), &QHeaderView::sectionResized, this,
            &CEntryListView::OnSectionResized);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CEntryListView::OnSelectionChanged);

    m_menu = new PaneContextMenu(
        this, *this, m_doc,
        {{ID_FILE_OPEN_ENTRY, QT_TRANSLATE_NOOP("PaneContextMenu", "&Open Entry"),
          "entryMenuOpenEntry"},
         {0, nullptr, nullptr},
         {ID_EDIT_COMMENT, QT_TRANSLATE_NOOP("PaneContextMenu", "Edit &Comment"),
          "entryMenuEditComment"},
         {ID_ENTRY_CHANGE_DATE, QT_TRANSLATE_NOOP("PaneContextMenu", "Change Entry &Date"),
          "entryMenuChangeDate"},
         {0, nullptr, nullptr},
         {ID_FILE_DELETE_ENTRY, QT_TRANSLATE_NOOP("PaneContextMenu", "&Delete Entry"),
          "entryMenuDeleteEntry"},
         {ID_ENTRY_MOVE_TO_FOLDER, QT_TRANSLATE_NOOP("PaneContextMenu", "&Move to Folder..."),
          "entryMenuMoveToFolder"},
         {0, nullptr, nullptr},
         {ID_EDIT_ENTRY_TOPICS, QT_TRANSLATE_NOOP("PaneContextMenu", "&Topics..."),
          "entryMenuTopics"},
         {0, nullptr, nullptr},
         {ID_FILE_PRINT_ENTRY, QT_TRANSLATE_NOOP("PaneContextMenu", "&Print..."), "entryMenuPrint"},
         {ID_ENTRY_SHOW_IN_FOLDERS, QT_TRANSLATE_NOOP("PaneContextMenu", "Show In Folders"),
          "entryMenuShowInFolders"}});
    m_menu->setObjectName(QStringLiteral("entryContextMenu"));
    NotifyWhenFocused(this, [this] { emit activated(); });
}

CEntryListView::~CEntryListView() = default;

const CommandMap<CEntryListView>& CEntryListView::commandMap() {
    using Map = CommandMap<CEntryListView>;
    static const Map map{
        {ID_FILE_OPEN_ENTRY, &CEntryListView::OnOpenEntry, &CEntryListView::HasOneSelected},
        {ID_EDIT_COMMENT, &CEntryListView::OnEditComment, &CEntryListView::HasOneSelected},
        {ID_ENTRY_CHANGE_DATE, &CEntryListView::OnChangeEntryDate, &CEntryListView::HasOneSelected},
        {ID_FILE_DELETE_ENTRY, &CEntryListView::OnDeleteEntry, &CEntryListView::HasSelection},
        {ID_EDIT_ENTRY_TOPICS, &CEntryListView::OnEntryTopics, &CEntryListView::HasSelection},
        {ID_FILE_PRINT_ENTRY, &CEntryListView::OnPrintEntry, &CEntryListView::HasOneSelected},
        {ID_ENTRY_MOVE_TO_FOLDER, &CEntryListView::OnMoveToFolder, &CEntryListView::HasSelection},
        {ID_EDIT_CUT, &CEntryListView::OnCutEntries, &CEntryListView::CanCutEntries},
        {ID_EDIT_PASTE, &CEntryListView::PasteEntries, &CEntryListView::CanPasteEntries},
    };
    return map;
}

// --- listing -------------------------------------------------------------------------------

void CEntryListView::LoadEntries() {
    LoadEntriesThen({});
}

void CEntryListView::LoadEntriesThen(std::function<void()> then) {
    m_fill->Cancel();
    m_loading->hide();
    m_model->setRows({});
    ClearPreview();
    if (!m_doc.IsJournalOpen()) {
        m_cut.clear();
        m_afterListing.clear();
        return;
    }
    if (then)
        m_afterListing.push_back(std::move(then));
    EntryFilter filter;
    filter.currentFolderId = m_doc.CurrentFolderId();
    filter.topicPaneShown = TopicPaneShown();
    if (filter.topicPaneShown && m_topics)
        filter.selectedTopicIds = m_topics->GetSelectedTopicIds();
    m_listedSort = SharedEntryListSort();
    filter.daysWhere = m_daysWhere;
    const std::shared_ptr<BackgroundReader> reader = m_doc.ListingReader();
    try {
        if (!reader) {
            std::vector<EntryRow> rows = LoadShownEntryRows(m_doc, filter);
            SortRows(rows, m_listedSort);
            OnListed(std::move(rows));
            return;
        }
    } catch (const CppSQLite3Exception& e) {
        m_afterListing.clear();
        m_doc.ShowDatabaseError(e);
        return;
    } catch (const std::exception&) {
        m_afterListing.clear();
        return; // anything else leaves the list empty, without a message
    }
    const EntryListSortState sort = m_listedSort;
    m_fill->Start([reader, filter, sort](const std::atomic<bool>& cancel) {
        std::vector<EntryRow> rows = LoadShownEntryRows(reader->Reader(), filter, false, &cancel);
        if (!cancel)
            SortRows(rows, sort);
        return rows;
    });
    // The rows may have come within the fill's wait, and what ran after them may list again.
    m_loading->setVisible(IsListing());
}

void CEntryListView::OnListed(std::vector<EntryRow> rows) {
    m_loading->hide();
    m_model->setRows(std::move(rows));
    const EntryListSortState& sort = SharedEntryListSort();
    // The rows came sorted as the list was when they were asked for.
    if (sort.column != m_listedSort.column || sort.ascending != m_listedSort.ascending ||
        sort.inFolderShown != m_listedSort.inFolderShown)
        SortEntries(sort.column, sort.ascending);
    else
        ShowSortIndicator();
    // The journal's date format decides how wide its dates are.
    const int dateWidth = widestDate(m_list->fontMetrics(), m_model->format()) + kCellPadding;
    if (dateWidth != m_dateWidth) {
        m_dateWidth = dateWidth;
        ApplyColumnLayout();
    }
    const std::vector<std::function<void()>> steps = std::move(m_afterListing);
    m_afterListing.clear();
    for (const std::function<void()>& step : steps)
        step();
}

bool CEntryListView::IsListing() const {
    return m_fill->Busy();
}

void CEntryListView::WaitForListing() {
    m_fill->Wait();
}

void CEntryListView::WhenListed(std::function<void()> step) {
    if (IsListing())
        m_afterListing.push_back(std::move(step));
    else
        step();
}

void CEntryListView::ListDays(std::string where) {
    m_daysWhere = std::move(where);
    LoadEntries();
}

void CEntryListView::ReloadKeepingSelection() {
    // Rows still coming keep the place their listing was asked to keep.
    if (IsListing()) {
        LoadEntries();
        return;
    }
    const EntryRow* selected = rowAt(selectedRow());
    const std::string id = selected ? selected->entryId : std::string();
    const int scrolled = m_list->verticalScrollBar()->value();
    LoadEntriesThen([this, id, scrolled] {
        if (!id.empty())
            SelectEntry(id);
        // The rows stay where the user left them rather than jumping to the selection.
        m_list->verticalScrollBar()->setValue(scrolled);
    });
}

void CEntryListView::SelectEntry(const std::string& entryId) {
    const int row = rowOf(entryId);
    if (row >= 0)
        m_list->setCurrentIndex(m_model->index(row, 0));
}

void CEntryListView::ShowEntry(const std::string& entryId) {
    WhenListed([this, entryId] {
        const int row = rowOf(entryId);
        if (row < 0)
            return;
        const QModelIndex index = m_model->index(row, 0);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        m_list->scrollTo(index);
    });
}

int CEntryListView::rowOf(const std::string& entryId) const {
    for (int row = 0; row < rowCount(); ++row)
        if (m_model->row(row).entryId == entryId)
            return row;
    return -1;
}

bool CEntryListView::SortEntries(int column, bool ascending) {
    EntryListSortState& sort = SharedEntryListSort();
    sort.column = column;
    sort.ascending = ascending;
    m_model->sortRows(column, ascending);
    ShowSortIndicator();
    if (const QModelIndex current = m_list->currentIndex(); current.isValid())
        m_list->scrollTo(current);
    return true;
}

void CEntryListView::OnHeaderClicked(int column) {
    SortEntries(column, SharedEntryListSort().ascendingForClick(column));
}

void CEntryListView::SetInFolderColumnShown(bool shown) {
    if (shown)
        SharedEntryListSort().showInFolder();
    else
        SharedEntryListSort().hideInFolder();
    if (m_model->inFolderShown() != shown) {
        m_model->setInFolderShown(shown);
        ApplyColumnLayout();
    }
    m_list->viewport()->update();
}

int CEntryListView::ScaledWidth(int width) const {
    const double scale = std::max(1.0, m_list->fontMetrics().averageCharWidth() / kLayoutCharWidth);
    return static_cast<int>(width * scale + 0.5);
}

void CEntryListView::ApplyColumnLayout() {
    const std::array<int, 3> defaults{std::max(ScaledWidth(kDateWidth), m_dateWidth),
                                      ScaledWidth(kCommentWidth), ScaledWidth(kInFolderWidth)};
    m_layingOut = true;
    const int columns = m_model->inFolderShown() ? 4 : 3;
    for (int column = 0; column < columns; ++column) {
        const int kind = ColumnKind(column);
        if (kind == 3) {
            m_list->setColumnWidth(column, ScaledWidth(kTopicsWidth));
            continue;
        }
        const auto at = static_cast<std::size_t>(kind);
        m_list->setColumnWidth(column, m_chosenWidths[at] > 0 ? m_chosenWidths[at] : defaults[at]);
    }
    m_layingOut = false;
    ShowSortIndicator();
}

void CEntryListView::ShowSortIndicator() {
    const EntryListSortState& sort = SharedEntryListSort();
    m_list->header()->setSortIndicator(sort.column,
                                       sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int CEntryListView::ColumnKind(int column) const {
    if (column < 2)
        return column;
    return column == 2 && m_model->inFolderShown() ? 2 : 3;
}

void CEntryListView::OnSectionResized(int column, int, int newSize) {
    const int kind = ColumnKind(column);
    if (!m_layingOut && kind < 3 && newSize > 0)
        m_chosenWidths[static_cast<std::size_t>(kind)] = newSize;
}

namespace {
constexpr quint8 kColumnsVersion = 1;
} // namespace

QByteArray CEntryListView::SaveColumns() const {
    // The sort as the list has it without In Folder, which every start begins with.
    EntryListSortState sort = SharedEntryListSort();
    sort.hideInFolder();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kColumnsVersion << qint32(sort.column) << sort.ascending;
    for (const int width : m_chosenWidths)
        out << qint32(width);
    return bytes;
}

void CEntryListView::RestoreColumns(const QByteArray& saved) {
    QDataStream in(saved);
    quint8 version = 0;
    qint32 column = 0;
    bool ascending = true;
    std::array<qint32, 3> widths{};
    in >> version >> column >> ascending;
    for (qint32& width : widths)
        in >> width;
    if (in.status() != QDataStream::Ok || version != kColumnsVersion || column < 0 || column > 2)
        return;
    for (std::size_t kind = 0; kind < widths.size(); ++kind)
        m_chosenWidths[kind] = std::clamp(widths[kind], 0, 4000);
    EntryListSortState& sort = SharedEntryListSort();
    sort.column = column;
    sort.ascending = ascending;
    if (sort.inFolderShown && sort.column >= EntryListSortState::kInFolderColumn)
        ++sort.column;
    ApplyColumnLayout();
    SortEntries(sort.column, sort.ascending);
}

int CEntryListView::selectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

const EntryRow* CEntryListView::rowAt(int row) const {
    return row >= 0 && row < rowCount() ? &m_model->row(row) : nullptr;
}

int CEntryListView::rowCount() const {
    return m_model->rowCount();
}

bool CEntryListView::TopicPaneShown() const {
    if (m_topicPaneShown)
        return m_topicPaneShown();
    return m_topics && !m_topics->isHidden();
}

bool CEntryListView::PreviewShown() const {
    if (m_previewShown)
        return m_previewShown();
    return m_preview && !m_preview->isHidden();
}

// --- preview -------------------------------------------------------------------------------

void CEntryListView::ClearPreview() {
    if (m_preview)
        m_preview->Clear();
    m_doc.SetCurrentEntryId({});
}

void CEntryListView::OnSelectionChanged() {
    if (!m_preview || !PreviewShown())
        return;
    const int row = selectedRow();
    if (row < 0) {
        ClearPreview();
        return;
    }
    const EntryRow& entry = m_model->row(row);
    const std::string text = m_doc.LoadEntryText(entry.entryId);
    m_doc.SetCurrentEntryId(entry.entryId);
    m_preview->SetEntryText(BrowserMessages::LargeEntryRtf());
    m_preview->SetEntryText(text);
    m_preview->SetDateText(m_model->data(m_model->index(row, 0), Qt::DisplayRole).toString());
    m_preview->SetCommentText(storedToText(entry.comment));
    m_preview->SetTopicsText(storedToText(entry.topics));
    m_preview->SetEntryId(entry.entryId);
}
