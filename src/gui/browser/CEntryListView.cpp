#include "browser/CEntryListView.h"

#include "dialogs/JournalUi.h"
#include "store/CQBKDoc.h"

#include <QTreeView>
#include <QVBoxLayout>

class EntryDrag {};
class EntryListModel {};

CEntryListView::CEntryListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(ui), m_list(new QTreeView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
}

CEntryListView::~CEntryListView() = default;

const CommandMap<CEntryListView>& CEntryListView::commandMap() {
    using Map = CommandMap<CEntryListView>;
    static const Map map{
        {ID_FILE_OPEN_ENTRY, &CEntryListView::OnOpenEntry, &CEntryListView::HasOneSelected},
        {ID_EDIT_COMMENT, &CEntryListView::OnEditComment, &CEntryListView::HasOneSelected},
        {ID_ENTRY_CHANGE_DATE, &CEntryListView::OnChangeEntryDate, &CEntryListView::HasOneSelected},
        {ID_FILE_DELETE_ENTRY, &CEntryListView::OnDeleteEntry, &CEntryListView::HasOneSelected},
        {ID_EDIT_ENTRY_TOPICS, &CEntryListView::OnEntryTopics, &CEntryListView::HasOneSelected},
        {ID_FILE_PRINT_ENTRY, &CEntryListView::OnPrintEntry, &CEntryListView::HasOneSelected},
    };
    return map;
}

void CEntryListView::LoadEntries() {}
void CEntryListView::ReloadKeepingSelection() {}
bool CEntryListView::SortEntries(int, bool) {
    return true;
}
void CEntryListView::ShowInFolderColumn() {}
void CEntryListView::HideInFolderColumn() {}
int CEntryListView::selectedRow() const {
    return -1;
}
const EntryRow* CEntryListView::rowAt(int) const {
    return nullptr;
}
int CEntryListView::rowCount() const {
    return 0;
}
bool CEntryListView::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}
void CEntryListView::OnOpenEntry() {}
void CEntryListView::OnEditComment() {}
void CEntryListView::OnChangeEntryDate() {}
void CEntryListView::OnDeleteEntry() {}
void CEntryListView::OnEntryTopics() {}
void CEntryListView::OnPrintEntry() {}
bool CEntryListView::HasOneSelected() const {
    return false;
}
