#pragma once

#include "core/platform/CommandMap.h"
#include "core/session/Panes.h"
#include "gui/browser/PaneWidget.h"

#include <QString>
#include <string>
#include <vector>

class CQBKDoc;
class JournalUi;
class PaneCaption;
class PaneContextMenu;
class QListView;
class TopicListModel;

// The topic list pane: the journal's master topic list. While the pane is shown, the
// selected topics narrow the entry list to entries carrying all of them.
//
// The layout connects topicsTextChanged (the names for "Topics: ..." in the main caption),
// closeRequested (hide the pane) and activated (route commands here).
class CTopicListView : public PaneWidget,
                       public TopicListPane,
                       public MappedCommandTarget<CTopicListView> {
    Q_OBJECT
public:
    static constexpr int kListControlId = 1001;
    static constexpr int kCloseButtonId = 102;

    CTopicListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent = nullptr);
    ~CTopicListView() override;

    static const CommandMap<CTopicListView>& commandMap();

    // TopicListPane
    void LoadTopics() override;
    void AddTopicItemAndEdit(const std::string& topicId, const std::string& name) override;
    void ReloadKeepingSelection() override;

    // Topic names are typed up to the size of the journal's Name column.
    static constexpr int kMaxNameLength = 50;

    void AddTopicItem(const std::string& topicId, const std::string& name);
    int GetSelectedTopicCount() const;
    // Selected topic ids in row order.
    std::vector<std::string> GetSelectedTopicIds() const;
    // Selected topic names joined by "," in row order.
    QString GetSelectedTopicNames() const { return m_selectedNames; }

    CommandTarget* commandTarget() override { return this; }

    QListView* GetListCtrl() const { return m_list; }
    PaneContextMenu* contextMenu() const { return m_menu; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnRenameTopic();
    void OnDeleteTopic();
    bool HasOneSelected() const;
    void OnListClicked();
    // The id is a copy: storing may refill the list the caller took it from.
    void StoreName(std::string topicId, const std::string& name);
    void RebuildSelectedNames();
    std::vector<int> SelectedRows() const;
    void ShowContextMenu(const QPoint& globalPos);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    PaneCaption* m_caption = nullptr;
    TopicListModel* m_model = nullptr;
    QListView* m_list = nullptr;
    PaneContextMenu* m_menu = nullptr;
    QString m_selectedNames;
};
