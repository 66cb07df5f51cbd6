#pragma once

#include "core/browser/EntryListSort.h"
#include "core/browser/EntryRow.h"
#include "core/dialogs/TopicChoiceValues.h"
#include "core/platform/CommandMap.h"
#include "core/session/Panes.h"
#include "gui/browser/PaneWidget.h"

#include <QByteArray>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFolderListView;
class CPreviewPane;
class CQBKDoc;
class CTopicListView;
class EntryDrag;
class EntryListFill;
class EntryListModel;
class JournalUi;
class PaneContextMenu;
class QLabel;
class QTreeView;

// The entry list pane: the entries of the current folder, narrowed by the selected topics
// while the topic pane is shown. Rows come from the core's entry rows through an item model,
// so long lists cost only the rows on screen.
//
// What the layout must do: setTopicList, setPreviewPane and setFolderTree once the panes
// exist; setTopicPaneShown and setPreviewPaneShown when "shown" means more than the pane
// not being hidden (by default the pane's own hidden flag decides); connect activated.
class CEntryListView : public PaneWidget,
                       public EntryListPane,
                       public MappedCommandTarget<CEntryListView> {
    Q_OBJECT
public:
    CEntryListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent = nullptr);
    ~CEntryListView() override;

    static const CommandMap<CEntryListView>& commandMap();

    // EntryListPane. A long listing is read on a worker while the list says it is loading;
    // what acts on the listed rows (ShowEntry, keeping the selection) waits for them.
    void LoadEntries() override;
    // Keeps the selected entry (not the row position) selected where it is still listed.
    void ReloadKeepingSelection() override;
    void ShowEntry(const std::string& entryId) override;
    std::vector<std::string> SelectedEntryIds() const override;
    // Whether rows are still being read.
    bool IsListing() const;
    // Waits for the rows being read (tests, and code that needs them at once).
    void WaitForListing();
    // Sorts with the class-wide sort state, which every list of this class shares.
    bool SortEntries(int column, bool ascending);
    // Lists the entries of the calendar's days, wherever filed, until ClearDayListing; where
    // is their condition (EntryFilter::daysWhere).
    void ListDays(std::string where);
    void ClearDayListing() { m_daysWhere.clear(); }
    bool ListsDays() const { return !m_daysWhere.empty(); }
    // The In Folder column, shown while the list holds entries of every folder.
    void SetInFolderColumnShown(bool shown);
    // The widths the user gave the columns and the shared sort, for the next start; restoring
    // takes what a save wrote and leaves anything else (an older or damaged value) alone.
    QByteArray SaveColumns() const;
    void RestoreColumns(const QByteArray& saved);

    void setTopicList(CTopicListView* topics) { m_topics = topics; }
    void setPreviewPane(CPreviewPane* preview) { m_preview = preview; }
    void setFolderTree(CFolderListView* tree) { m_folderTree = tree; }
    void setTopicPaneShown(std::function<bool()> shown) { m_topicPaneShown = std::move(shown); }
    void setPreviewPaneShown(std::function<bool()> shown) { m_previewShown = std::move(shown); }
    // The Entry Topics command runs the entry topics dialog through this (the dialog reloads
    // the list with ReloadKeepingSelection after OK).
    void setEntryTopicsHandler(std::function<void(const std::string&)> run) {
        m_entryTopics = std::move(run);
    }
    // With several entries selected Entry Topics runs the topic choice through this, ticking
    // the topics every selected entry carries; true on OK.
    void setTopicChoiceHandler(std::function<bool(TopicChoiceValues&)> run) {
        m_topicChoice = std::move(run);
    }

    // The selected rows' entries, in list order.
    std::vector<EntryRow> selectedEntries() const;
    // Files the entries in the folder as a drop there does: the same rules and question.
    void FileEntries(const std::vector<EntryRow>& entries, const std::string& folderId);
    // Paste: files the entries cut from the list (Ctrl+X) in the current folder.
    void PasteEntries();
    bool CanPasteEntries() const;

    CommandTarget* commandTarget() override { return this; }

    QTreeView* listControl() const { return m_list; }
    CFolderListView* folderTree() const { return m_folderTree; }
    // The selected row's index, or -1.
    int selectedRow() const;
    // The row listing the entry, or -1.
    int rowOf(const std::string& entryId) const;
    const EntryRow* rowAt(int row) const;
    int rowCount() const;
    PaneContextMenu* contextMenu() const { return m_menu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class EntryDrag;

    void OnOpenEntry();
    void OnEditComment();
    void OnChangeEntryDate();
    void OnDeleteEntry();
    void OnEntryTopics();
    void OnPrintEntry();
    void OnMoveToFolder();
    void OnCutEntries();
    bool HasOneSelected() const;
    bool HasSelection() const;
    bool CanCutEntries() const;
    void DeleteSeveral(const std::vector<EntryRow>& entries);
    void TopicsOfSeveral(const std::vector<EntryRow>& entries);
    // After a change to many rows: the list read once, the row at the given position (or the
    // last) selected.
    void ReloadSelectingRow(int row);
    // Lists the entries; then runs once the rows are in the list (at once if they came
    // within the fill's wait). Steps still waiting from an earlier listing run after this one.
    void LoadEntriesThen(std::function<void()> then);
    // Runs now, or after the listing under way.
    void WhenListed(std::function<void()> step);
    void OnListed(std::vector<EntryRow> rows);
    void ShowSortIndicator();
    void SelectEntries(const std::vector<std::string>& entryIds);
    // The moved entries' rows, after a move the listing does not take away.
    void ShowMovedEntries(const std::vector<std::string>& entryIds, const std::string& folderId);

    bool TopicPaneShown() const;
    bool PreviewShown() const;
    void ClearPreview();
    void OnSelectionChanged();
    void ShowContextMenu(const QPoint& globalPos);
    void OnHeaderClicked(int column);
    void ApplyColumnLayout();
    // What a column shows, whether or not In Folder is: 0 date, 1 comment, 2 folder, 3 topics.
    int ColumnKind(int column) const;
    void OnSectionResized(int column, int oldSize, int newSize);
    // A width laid out for the list's original font, for the font in use.
    int ScaledWidth(int width) const;
    // Files the dragged row in another folder, after the confirmation question.
    void DropEntry(int row, const std::string& folderId);
    void RemoveRowAndSelectNext(int row);
    void SelectEntry(const std::string& entryId);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    CTopicListView* m_topics = nullptr;
    CPreviewPane* m_preview = nullptr;
    CFolderListView* m_folderTree = nullptr;
    std::function<bool()> m_topicPaneShown;
    std::function<bool()> m_previewShown;
    std::function<void(const std::string&)> m_entryTopics;
    std::function<bool(TopicChoiceValues&)> m_topicChoice;
    std::vector<EntryRow> m_cut; // the entries Ctrl+X took, until pasted or the journal closes
    std::string m_daysWhere;
    PaneContextMenu* m_menu = nullptr;
    QPoint m_pressPos;
    int m_pressRow = -1;
    EntryListModel* m_model = nullptr;
    int m_dateWidth = 0; // the widest date of the journal's format, with the cell's margins
    // Widths the user dragged, by ColumnKind (0: not chosen). Topics, the last column, takes
    // the rest of the list's width.
    std::array<int, 3> m_chosenWidths{};
    bool m_layingOut = false;
    QTreeView* m_list = nullptr;
    QLabel* m_loading = nullptr; // over the list while rows are read
    std::vector<std::function<void()>> m_afterListing;
    EntryListSortState m_listedSort; // the order the rows being read come in
    std::unique_ptr<EntryDrag> m_drag;
    std::unique_ptr<EntryListFill> m_fill; // last: its workers end before the rest goes
};
