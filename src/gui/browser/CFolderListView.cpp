#include "browser/CFolderListView.h"

#include "browser/CEntryListView.h"
#include "dialogs/JournalUi.h"
#include "store/CQBKDoc.h"

#include <QTreeWidget>
#include <QVBoxLayout>

// Placeholder for the drag state; filled in with the drag itself.
class FolderDrag {};

CFolderListView::CFolderListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(ui), m_tree(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_tree->setHeaderHidden(true);
    m_tree->setProperty("controlId", kTreeControlId);
}

CFolderListView::~CFolderListView() = default;

const CommandMap<CFolderListView>& CFolderListView::commandMap() {
    using Map = CommandMap<CFolderListView>;
    static const Map map{
        {ID_FILE_RENAME_FOLDER, &CFolderListView::OnRenameFolder,
         &CFolderListView::CanRenameFolder},
        {ID_FILE_DELETE_FOLDER, &CFolderListView::OnDeleteFolder,
         &CFolderListView::CanDeleteFolder},
    };
    return map;
}

void CFolderListView::Reload() {}
bool CFolderListView::CanCreateFolder() const {
    return false;
}
void CFolderListView::NewFolder() {}
QString CFolderListView::GetSelectedFolderName() const {
    return {};
}
QIcon CFolderListView::GetSelectedFolderIcon() const {
    return {};
}
QTreeWidgetItem* CFolderListView::itemAtGlobal(const QPoint&) const {
    return nullptr;
}
std::string CFolderListView::itemFolderId(const QTreeWidgetItem*) {
    return {};
}
void CFolderListView::setDropHighlight(QTreeWidgetItem* item) {
    m_dropHighlight = item;
}
bool CFolderListView::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}
void CFolderListView::OnRenameFolder() {}
void CFolderListView::OnDeleteFolder() {}
bool CFolderListView::CanRenameFolder() const {
    return false;
}
bool CFolderListView::CanDeleteFolder() const {
    return false;
}
