#include "gui/browser/CFolderListView.h"

#include "core/browser/BrowserMessages.h"
#include "core/browser/FolderEdits.h"
#include "core/browser/FolderTreeData.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/session/PaneCommandRules.h"
#include "gui/browser/FolderDrag.h"
#include "gui/browser/NameEditDelegate.h"
#include "gui/browser/PaneCaption.h"
#include "gui/browser/PaneContextMenu.h"
#include "gui/platform/ThemeIcons.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kIdRole = Qt::UserRole;

} // namespace

CFolderListView::CFolderListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : PaneWidget(parent), m_doc(doc), m_ui(ui),
      m_caption(new PaneCaption(QStringLiteral("Folder List"), kCloseButtonId, this)),
      m_tree(new QTreeWidget(this)), m_drag(std::make_unique<FolderDrag>(*this)) {
    m_tree->setObjectName(QStringLiteral("folderTree"));
    m_tree->setAccessibleName(tr("Folders"));
    m_tree->setProperty("controlId", kTreeControlId);
    m_tree->setHeaderHidden(true);
    // Deep or long folder names scroll sideways rather than being cut short.
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_tree->setAutoScroll(false); // a folder drag scrolls the tree itself
    // Storing may rebuild the tree (another program changed the journal): the item is found
    // again by its folder id afterwards.
    m_tree->setItemDelegate(new NameEditDelegate(
        m_tree, kMaxNameLength, [this](const QModelIndex& index, const QString& text) {
            OnItemRenamed(itemFolderId(m_tree->itemFromIndex(index)), text);
        }));
    m_tree->viewport()->installEventFilter(this);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CFolderListView::OnSelectionChanged);
    connect(m_caption, &PaneCaption::closeClicked, this, &CFolderListView::closeRequested);

    m_menu = new PaneContextMenu(
        this, *this, m_doc,
        {{ID_FILE_NEW_FOLDER, "&New Folder", "folderMenuNewFolder"},
         {0, nullptr, nullptr},
         {ID_FILE_DELETE_FOLDER, "&Delete Folder", "folderMenuDeleteFolder"},
         {ID_FILE_RENAME_FOLDER, "&Rename Folder", "folderMenuRenameFolder"},
         {ID_ENTRY_MOVE_TO_FOLDER, "&Move to Folder...", "folderMenuMoveToFolder"}});
    m_menu->setObjectName(QStringLiteral("folderContextMenu"));
    NotifyWhenFocused(this, [this] { emit activated(); });
    Reload();
}

CFolderListView::~CFolderListView() = default;

const CommandMap<CFolderListView>& CFolderListView::commandMap() {
    using Map = CommandMap<CFolderListView>;
    static const Map map{
        {ID_FILE_RENAME_FOLDER, &CFolderListView::OnRenameFolder,
         &CFolderListView::CanRenameFolder},
        {ID_FILE_DELETE_FOLDER, &CFolderListView::OnDeleteFolder,
         &CFolderListView::CanDeleteFolder},
        {ID_ENTRY_MOVE_TO_FOLDER, &CFolderListView::OnMoveToFolder,
         &CFolderListView::CanRenameFolder}, // any folder that can be renamed can move
        {ID_EDIT_PASTE, &CFolderListView::OnPasteEntries, &CFolderListView::CanPasteEntries},
    };
    return map;
}

void CFolderListView::resizeEvent(QResizeEvent*) {
    m_caption->layOutWith(m_tree);
}

// --- loading -------------------------------------------------------------------------------

QTreeWidgetItem* CFolderListView::InsertFolderItem(const std::string& id, const QString& label,
                                                   QTreeWidgetItem* parent, bool isBook) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, label);
    item->setData(0, kIdRole, QByteArray::fromStdString(id));
    item->setIcon(0, isBook ? ThemeIcons::journal() : ThemeIcons::folder());
    // The root stands for the journal: its label is the journal's title, set in the journal's
    // options, and is never typed in place.
    item->setFlags(isBook ? item->flags() & ~Qt::ItemIsEditable
                          : item->flags() | Qt::ItemIsEditable);
    return item;
}

void CFolderListView::Reload() {
    Reload(std::string());
}

void CFolderListView::ReloadKeepingSelection() {
    Reload(m_doc.CurrentFolderId());
}

void CFolderListView::Reload(const std::string& keep) {
    m_tree->setEditTriggers(m_doc.IsReadOnly() ? QAbstractItemView::NoEditTriggers
                                               : QAbstractItemView::SelectedClicked |
                                                     QAbstractItemView::EditKeyPressed);
    m_drag->cancel();
    m_dropHighlight = nullptr;
    m_pressItem = nullptr;
    m_tree->clear();
    if (!m_doc.IsJournalOpen()) {
        InsertFolderItem(
            "{EMPTY}",
            QCoreApplication::translate("BrowserMessages", BrowserMessages::kNoJournalOpen),
            nullptr, true);
        m_tree->setCurrentItem(nullptr);
        emit captionChanged(QString(), true); // nothing of the closed journal stays shown
        return;
    }
    try {
        const std::string label = ReadRootLabel(m_doc.Reader().Db(), m_doc.FileName());
        QTreeWidgetItem* root = InsertFolderItem("{Root}", storedToText(label), nullptr, true);
        // Without recursion: the depth of the tree comes from the file.
        struct Pending {
            const FolderNode* node;
            QTreeWidgetItem* parent;
        };
        const std::vector<FolderNode> folders = LoadFolderChildren(m_doc.Reader().Db());
        std::vector<Pending> pending;
        for (auto it = folders.rbegin(); it != folders.rend(); ++it)
            pending.push_back({&*it, root});
        while (!pending.empty()) {
            const Pending next = pending.back();
            pending.pop_back();
            QTreeWidgetItem* item =
                InsertFolderItem(next.node->id, storedToText(next.node->name), next.parent, false);
            for (auto it = next.node->children.rbegin(); it != next.node->children.rend(); ++it)
                pending.push_back({&*it, item});
        }
        // Every folder opens; a root with nothing below it stays closed.
        for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
            (*it)->setExpanded((*it)->childCount() > 0);
        // The folder kept is current again without listing its entries anew: whoever asked
        // for the reload lists them.
        if (QTreeWidgetItem* kept = keep.empty() ? nullptr : FindFolderItem(keep)) {
            {
                const QSignalBlocker quiet(m_tree);
                m_tree->setCurrentItem(kept);
            }
            m_tree->scrollToItem(kept);
            emit captionChanged(kept->text(0), kept == root);
            return;
        }
        m_tree->setCurrentItem(root);
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
    }
}

QTreeWidgetItem* CFolderListView::FindFolderItem(const std::string& id) const {
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        if (itemFolderId(*it) == id)
            return *it;
    return nullptr;
}

// --- selection -----------------------------------------------------------------------------

std::string CFolderListView::itemFolderId(const QTreeWidgetItem* item) {
    return item ? item->data(0, kIdRole).toByteArray().toStdString() : std::string();
}

QString CFolderListView::GetSelectedFolderName() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    return item ? item->text(0) : QString();
}

QIcon CFolderListView::GetSelectedFolderIcon() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return {};
    const QIcon icon = item->icon(0);
    return QIcon(icon.pixmap(16, 16, QIcon::Selected));
}

void CFolderListView::OnSelectionChanged() {
    const QTreeWidgetItem* item = m_tree->currentItem();
    const std::string id = itemFolderId(item);
    if (id.empty())
        return;
    emit captionChanged(item->text(0), id == "{Root}");
    m_doc.SetCurrentFolderId(id);
    emit selectionListsAll(id == "{All Entries}" || id == "{Root}");
    m_doc.RefreshEntryList();
}

// --- commands ------------------------------------------------------------------------------

FolderSelection CFolderListView::Selection() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    FolderSelection s;
    s.journalOpen = m_doc.IsJournalOpen();
    s.paneShown = !isHidden();
    s.hasSelection = !itemFolderId(item).empty();
    s.isRoot = item && item->parent() == nullptr;
    s.hasChildren = item && item->childCount() > 0;
    s.currentFolderId = m_doc.CurrentFolderId();
    return s;
}

bool CFolderListView::CanCreateFolder() const {
    return CanNewFolder(Selection());
}

bool CFolderListView::CanRenameFolder() const {
    return ::CanRenameFolder(Selection());
}

bool CFolderListView::CanDeleteFolder() const {
    return ::CanDeleteFolder(Selection(),
                             [this](const std::string& id) { return m_doc.FolderHasEntries(id); });
}

void CFolderListView::NewFolder() {
    QTreeWidgetItem* parent = m_tree->currentItem();
    if (!m_doc.IsJournalOpen() || !parent)
        return;
    const std::string id = CQBKDoc::NewId();
    try {
        InsertNewFolder(m_doc.Reader().Db(), id, m_doc.CurrentFolderId());
    } catch (const CppSQLite3Exception& e) {
        m_doc.ShowDatabaseError(e);
        return;
    }
    QTreeWidgetItem* item =
        InsertFolderItem(id, QString::fromLatin1(BrowserMessages::kNewFolderName), parent, false);
    parent->setExpanded(true);
    m_tree->scrollToItem(item);
    m_tree->setCurrentItem(item);
    m_tree->editItem(item);
}

void CFolderListView::OnRenameFolder() {
    if (QTreeWidgetItem* item = m_tree->currentItem())
        m_tree->editItem(item);
}

void CFolderListView::OnItemRenamed(const std::string& folderId, const QString& text) {
    // The session renames its current folder; the edited item is normally that folder. The
    // session may rebuild the tree meanwhile (another program changed the journal), so the
    // item is looked up again afterwards.
    const std::string current = m_doc.CurrentFolderId();
    m_doc.SetCurrentFolderId(folderId);
    const bool renamed = m_doc.RenameFolder(textToStored(text));
    if (m_doc.CurrentFolderId() == folderId)
        m_doc.SetCurrentFolderId(current);
    QTreeWidgetItem* item = renamed ? FindFolderItem(folderId) : nullptr;
    if (!item)
        return;
    item->setText(0, text);
    if (item == m_tree->currentItem())
        emit captionChanged(text, item->parent() == nullptr);
}

void CFolderListView::OnDeleteFolder() {
    const std::string id = itemFolderId(m_tree->currentItem());
    if (id.empty() || m_doc.DeleteFolder() != 1)
        return;
    // The tree selects a neighbour, which becomes the current folder.
    delete FindFolderItem(id);
}
