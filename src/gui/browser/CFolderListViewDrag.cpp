// The folder tree's context menu, folder drags and the drop highlight that entry drags use.
#include "core/browser/BrowserMessages.h"
#include "core/browser/DropRules.h"
#include "core/browser/EntrySelection.h"
#include "core/browser/FolderEdits.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "gui/browser/CEntryListView.h"
#include "gui/browser/CFolderListView.h"
#include "gui/browser/FolderDrag.h"
#include "gui/browser/PaneContextMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include <algorithm>

QTreeWidgetItem* CFolderListView::itemAtGlobal(const QPoint& globalPos) const {
    const QWidget* area = m_tree->viewport();
    const QPoint pos = area->mapFromGlobal(globalPos);
    if (!area->isVisible() || !area->rect().contains(pos))
        return nullptr;
    return m_tree->itemAt(pos);
}

std::vector<std::string> CFolderListView::itemPath(const QTreeWidgetItem* item) {
    std::vector<std::string> path;
    for (; item; item = item->parent())
        path.push_back(itemFolderId(item));
    return path;
}

void CFolderListView::setDropHighlight(QTreeWidgetItem* item) {
    if (item == m_dropHighlight)
        return;
    if (m_dropHighlight) {
        m_dropHighlight->setData(0, Qt::BackgroundRole, {});
        m_dropHighlight->setData(0, Qt::ForegroundRole, {});
    }
    m_dropHighlight = item;
    if (item) {
        // Lighter than the selection, so the target and the selected folder tell apart.
        QColor target = palette().color(QPalette::Highlight);
        target.setAlpha(90);
        item->setBackground(0, target);
    }
}

void CFolderListView::ShowContextMenu(const QPoint& pos, bool fromKeyboard) {
    QPoint at = m_tree->viewport()->mapToGlobal(QPoint(5, 5));
    if (!fromKeyboard) {
        if (QTreeWidgetItem* item = m_tree->itemAt(pos))
            m_tree->setCurrentItem(item);
        at = m_tree->viewport()->mapToGlobal(pos);
    }
    if (!m_tree->currentItem())
        return;
    m_menu->popupAt(at);
}

void CFolderListView::DropFolder(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    if (m_doc.ConfirmsFolderMove() &&
        !m_ui.askYesNo(BrowserMessages::Text(BrowserMessages::kConfirmFolderMove))) {
        setDropHighlight(nullptr);
        return;
    }
    const std::string draggedId = itemFolderId(dragged);
    const std::string targetId = itemFolderId(target);
    target->setExpanded(true);
    {
        // The branch moves as a whole; the selection follows it once it stands in place.
        const QSignalBlocker quiet(m_tree);
        QTreeWidgetItem* oldParent = dragged->parent();
        oldParent->takeChild(oldParent->indexOfChild(dragged));
        QStringList siblings;
        for (int i = 0; i < target->childCount(); ++i)
            siblings.append(target->child(i)->text(0));
        target->insertChild(SortedInsertPosition(siblings, dragged->text(0)), dragged);
        std::vector<QTreeWidgetItem*> branch{dragged};
        while (!branch.empty()) {
            QTreeWidgetItem* item = branch.back();
            branch.pop_back();
            item->setExpanded(true);
            for (int i = 0; i < item->childCount(); ++i)
                branch.push_back(item->child(i));
        }
        m_tree->setCurrentItem(dragged);
    }
    OnSelectionChanged();
    setDropHighlight(nullptr);
    // Not stored: the tree shows the file again rather than a move that did not happen.
    if (!m_doc.MoveFolder(draggedId, targetId)) {
        ReloadKeepingSelection();
        m_doc.RefreshEntryList();
    }
}

// Move to Folder: the picker's folder as a drop target, with a drop's rules and question.
void CFolderListView::OnMoveToFolder() {
    QTreeWidgetItem* moved = m_tree->currentItem();
    if (!moved || !moved->parent())
        return;
    FolderChoiceValues values{EntrySelection::ChooseFolderForFolder(), m_doc.FolderChoices(),
                              itemFolderId(moved->parent())};
    if (!m_ui.runChooseFolderDialog(values))
        return;
    QTreeWidgetItem* target = FindFolderItem(values.m_folderId);
    if (!target)
        return; // gone meanwhile: the picker's list was read before
    const std::vector<std::string> path = itemPath(target);
    if (std::find(path.begin(), path.end(), itemFolderId(moved)) != path.end()) {
        m_ui.showMessage(EntrySelection::FolderCannotGoThere());
        return;
    }
    if (FolderDropAllowed(itemFolderId(moved), itemFolderId(moved->parent()), path))
        DropFolder(moved, target);
}

// The rename editor takes Ctrl+V for itself (a line edit claims its standard keys first).
bool CFolderListView::CanPasteEntries() const {
    return m_entryList && m_entryList->CanPasteEntries();
}

void CFolderListView::OnPasteEntries() {
    m_entryList->PasteEntries();
}

bool CFolderListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        ShowContextMenu(menuEvent->pos(), menuEvent->reason() == QContextMenuEvent::Keyboard);
        return true;
    }
    if (watched == m_tree) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_drag->active() && key->key() == Qt::Key_Escape) {
            m_drag->cancel();
            return true;
        }
        // Del deletes an empty folder as the menu does (never in a read-only journal); the rename
        // editor is not the tree, so it keeps its own Del.
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier &&
            !m_drag->active() && m_doc.CanWrite() && CanDeleteFolder()) {
            OnDeleteFolder();
            return true;
        }
        return false;
    }
    const QEvent::Type type = event->type();
    if (watched != m_tree->viewport() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
         type != QEvent::MouseButtonRelease))
        return false;
    // Only now is it a mouse event: the viewport also sees polish, paint and the rest.
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            m_pressPos = mouse->position().toPoint();
            m_pressItem = m_tree->itemAt(m_pressPos);
        }
        return false;
    case QEvent::MouseMove:
        if (m_drag->active()) {
            m_drag->move(mouse->globalPosition().toPoint());
            return true;
        }
        if ((mouse->buttons() & Qt::LeftButton) && m_pressItem && m_doc.CanWrite() &&
            (mouse->position().toPoint() - m_pressPos).manhattanLength() >=
                QApplication::startDragDistance()) {
            QTreeWidgetItem* item = m_pressItem;
            m_pressItem = nullptr;
            m_drag->begin(item, mouse->globalPosition().toPoint());
            m_drag->move(mouse->globalPosition().toPoint());
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        m_pressItem = nullptr;
        if (m_drag->active() && mouse->button() == Qt::LeftButton) {
            m_drag->move(mouse->globalPosition().toPoint());
            m_drag->release();
            return true;
        }
        return false;
    default:
        return false;
    }
}
