#pragma once

#include "core/platform/CommandMap.h"
#include "core/session/Panes.h"
#include "gui/browser/PaneWidget.h"

#include <QIcon>
#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class CEntryListView;
class CQBKDoc;
class FolderDrag;
class JournalUi;
class PaneCaption;
class PaneContextMenu;
struct FolderSelection;
class QTreeWidget;
class QTreeWidgetItem;

// The folder tree pane: the journal's folders under one root item that stands for the whole
// journal. The selected item is the session's current folder; the entry list follows it.
//
// The layout connects captionChanged (main caption), closeRequested (hide the pane),
// activated (route commands here) and selectionListsAll (the entry list's In Folder column).
class CFolderListView : public PaneWidget,
                        public FolderTreePane,
                        public MappedCommandTarget<CFolderListView> {
    Q_OBJECT
public:
    static constexpr int kTreeControlId = 1000;
    static constexpr int kCloseButtonId = 101;
    static constexpr int kMaxNameLength = 30;

    CFolderListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent = nullptr);
    ~CFolderListView() override;

    static const CommandMap<CFolderListView>& commandMap();

    // FolderTreePane
    void Reload() override;
    void ReloadKeepingSelection() override;
    bool CanCreateFolder() const override;
    void NewFolder() override;

    // The selected item's label and icon, for the main caption.
    QString GetSelectedFolderName() const;
    QIcon GetSelectedFolderIcon() const;

    CommandTarget* commandTarget() override { return this; }

    QTreeWidget* treeControl() const { return m_tree; }

    // For entries dragged out of the entry list: the item under a screen position (none when
    // the position is not over the tree), its folder id, and the drop highlight.
    QTreeWidgetItem* itemAtGlobal(const QPoint& globalPos) const;
    static std::string itemFolderId(const QTreeWidgetItem* item);
    // The item's folder id followed by its ancestors' up to the top of the tree.
    static std::vector<std::string> itemPath(const QTreeWidgetItem* item);
    void setDropHighlight(QTreeWidgetItem* item);
    QTreeWidgetItem* dropHighlight() const { return m_dropHighlight; }

    PaneContextMenu* contextMenu() const { return m_menu; }
    // Paste on a folder files the entries cut from this list in it.
    void setEntryList(CEntryListView* entries) { m_entryList = entries; }

signals:
    // A folder was selected, before its entries are listed: whether it stands for the entries
    // of every folder (the journal, All Entries).
    void selectionListsAll(bool listsAll);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class FolderDrag;

    void OnRenameFolder();
    void OnDeleteFolder();
    bool CanRenameFolder() const;
    bool CanDeleteFolder() const;
    void OnMoveToFolder();
    void OnPasteEntries();
    bool CanPasteEntries() const;
    FolderSelection Selection() const;

    // Rebuilds the tree and selects the folder to keep, or the root when it is gone.
    void Reload(const std::string& keep);
    QTreeWidgetItem* FindFolderItem(const std::string& id) const;
    QTreeWidgetItem* InsertFolderItem(const std::string& id, const QString& label,
                                      QTreeWidgetItem* parent, bool isBook);
    void OnSelectionChanged();
    void OnItemRenamed(const std::string& folderId, const QString& text);
    void ShowContextMenu(const QPoint& pos, bool fromKeyboard);
    // Moves a dragged folder under a new parent, after the confirmation question.
    void DropFolder(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    PaneCaption* m_caption = nullptr;
    QTreeWidget* m_tree = nullptr;
    PaneContextMenu* m_menu = nullptr;
    QPoint m_pressPos;
    QTreeWidgetItem* m_pressItem = nullptr;
    QTreeWidgetItem* m_dropHighlight = nullptr;
    std::unique_ptr<FolderDrag> m_drag;
    CEntryListView* m_entryList = nullptr;
};
