#include "browser/CFolderListView.h"

#include "browser/BrowserMessages.h"
#include "browser/CEntryListView.h"
#include "browser/FolderDrag.h"
#include "browser/FolderEdits.h"
#include "browser/FolderTreeData.h"
#include "browser/PaneCaption.h"
#include "browser/PaneCommandRules.h"
#include "browser/PaneContextMenu.h"
#include "dialogs/JournalUi.h"
#include "platform/TextEncoding.h"
#include "store/CQBKDoc.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kIdRole = Qt::UserRole;

// Folder names are typed in place, at most 30 characters. An empty name keeps the old one.
class FolderNameDelegate : public QStyledItemDelegate {
public:
    FolderNameDelegate(QTreeWidget* tree, std::function<void(QTreeWidgetItem*, QString)> renamed)
        : QStyledItemDelegate(tree), m_tree(tree), m_renamed(std::move(renamed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(CFolderListView::kMaxNameLength);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        QTreeWidgetItem* item = m_tree->itemFromIndex(index);
        if (line && item && !line->text().isEmpty())
            m_renamed(item, line->text());
    }

private:
    QTreeWidget* m_tree;
    std::function<void(QTreeWidgetItem*, QString)> m_renamed;
};

QIcon folderIcon(const QStyle* style) {
    // Closed normally, open while selected.
    QIcon icon = style->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    for (const QSize& size : open.availableSizes())
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    return icon;
}

} // namespace

CFolderListView::CFolderListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(ui),
      m_caption(new PaneCaption(QStringLiteral("Folder List"), kCloseButtonId, this)),
      m_tree(new QTreeWidget(this)), m_drag(std::make_unique<FolderDrag>(*this)) {
    m_tree->setObjectName(QStringLiteral("folderTree"));
    m_tree->setProperty("controlId", kTreeControlId);
    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_tree->setAutoScroll(false); // a folder drag scrolls the tree itself
    m_tree->setItemDelegate(new FolderNameDelegate(
        m_tree, [this](QTreeWidgetItem* item, const QString& text) { OnItemRenamed(item, text); }));
    m_tree->viewport()->installEventFilter(this);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CFolderListView::OnSelectionChanged);
    connect(m_caption, &PaneCaption::closeClicked, this, &CFolderListView::closeRequested);

    m_menu =
        new PaneContextMenu(this, *this, m_doc,
                            {{ID_FILE_NEW_FOLDER, "&New Folder", "folderMenuNewFolder"},
                             {0, nullptr, nullptr},
                             {ID_FILE_DELETE_FOLDER, "&Delete Folder", "folderMenuDeleteFolder"},
                             {ID_FILE_RENAME_FOLDER, "&Rename Folder", "folderMenuRenameFolder"}});
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
    item->setIcon(0, isBook ? style()->standardIcon(QStyle::SP_DriveHDIcon) : folderIcon(style()));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

void CFolderListView::Reload() {
    m_drag->cancel();
    m_dropHighlight = nullptr;
    m_pressItem = nullptr;
    m_tree->clear();
    if (!m_doc.IsJournalOpen()) {
        InsertFolderItem("{EMPTY}", QString::fromLatin1(BrowserMessages::kNoJournalOpen), nullptr,
                         true);
        m_tree->setCurrentItem(nullptr);
        return;
    }
    try {
        const std::string label = ReadRootLabel(m_doc.m_db, m_doc.m_fileName);
        QTreeWidgetItem* root = InsertFolderItem("{Root}", storedToText(label), nullptr, true);
        // Without recursion: the depth of the tree comes from the file.
        struct Pending {
            const FolderNode* node;
            QTreeWidgetItem* parent;
        };
        const std::vector<FolderNode> folders = LoadFolderChildren(m_doc.m_db);
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
        m_tree->setCurrentItem(root);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
    }
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
    const bool listsAll = id == "{All Entries}" || id == "{Root}";
    emit captionChanged(item->text(0), id == "{Root}");
    m_doc.m_currentFolderId = id;
    if (m_entryList) {
        if (listsAll)
            m_entryList->ShowInFolderColumn();
        else
            m_entryList->HideInFolderColumn();
    }
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
    s.currentFolderId = m_doc.m_currentFolderId;
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
        InsertNewFolder(m_doc.m_db, id, m_doc.m_currentFolderId);
    } catch (const CppSQLite3Exception& e) {
        m_ui.showError(e.message());
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

void CFolderListView::OnItemRenamed(QTreeWidgetItem* item, const QString& text) {
    item->setText(0, text);
    // The session renames its current folder; the edited item is normally that folder.
    const std::string current = m_doc.m_currentFolderId;
    m_doc.m_currentFolderId = itemFolderId(item);
    m_doc.RenameFolder(textToStored(text));
    m_doc.m_currentFolderId = current;
    if (item == m_tree->currentItem())
        emit captionChanged(text, item->parent() == nullptr);
}

void CFolderListView::OnDeleteFolder() {
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item && m_doc.DeleteFolder() == 1)
        delete item; // the tree selects a neighbour, which becomes the current folder
}
