#include "gui/browser/CTopicListView.h"

#include "core/browser/BrowserMessages.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "core/session/PaneCommandRules.h"
#include "gui/browser/NameEditDelegate.h"
#include "gui/browser/PaneCaption.h"
#include "gui/browser/PaneContextMenu.h"
#include "gui/browser/TopicListModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QListView>
#include <QMouseEvent>
#include <algorithm>

namespace {

// A click in the list, reported after the list has applied it to the selection.
class TopicListControl : public QListView {
public:
    using QListView::QListView;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QListView::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && onClick)
            onClick();
    }
};

} // namespace

CTopicListView::CTopicListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : PaneWidget(parent), m_doc(doc), m_ui(ui),
      m_caption(new PaneCaption(tr("Topic List"), kCloseButtonId, this)),
      m_model(new TopicListModel(this)) {
    auto* list = new TopicListControl(this);
    list->onClick = [this] { OnListClicked(); };
    m_list = list;
    m_list->setObjectName(QStringLiteral("topicList"));
    m_list->setAccessibleName(tr("Topics"));
    m_list->setProperty("controlId", kListControlId);
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_list->viewport()->mapToGlobal(pos)); });
    connect(m_caption, &PaneCaption::closeClicked, this, &CTopicListView::closeRequested);
    // Storing may refill the list (another program changed the journal): the row is found
    // again by its topic id afterwards.
    m_list->setItemDelegate(new NameEditDelegate(
        m_list, kMaxNameLength, [this](const QModelIndex& index, const QString& text) {
            StoreName(m_model->item(index.row()).id, textToStored(text));
        }));
    m_menu = new PaneContextMenu(
        this, *this, m_doc,
        {{ID_TOPIC_NEW, QT_TRANSLATE_NOOP("PaneContextMenu", "&New Topic"), "topicMenuNewTopic"},
         {0, nullptr, nullptr},
         {ID_FILE_RENAME_TOPIC, QT_TRANSLATE_NOOP("PaneContextMenu", "&Rename Topic"),
          "topicMenuRenameTopic"},
         {ID_TOPIC_DELETE, QT_TRANSLATE_NOOP("PaneContextMenu", "&Delete Topic"),
          "topicMenuDeleteTopic"}});
    m_menu->setObjectName(QStringLiteral("topicContextMenu"));
    NotifyWhenFocused(this, [this] { emit activated(); });
}

CTopicListView::~CTopicListView() = default;

const CommandMap<CTopicListView>& CTopicListView::commandMap() {
    using Map = CommandMap<CTopicListView>;
    static const Map map{
        {ID_FILE_RENAME_TOPIC, &CTopicListView::OnRenameTopic, &CTopicListView::HasOneSelected},
        {ID_TOPIC_DELETE, &CTopicListView::OnDeleteTopic, &CTopicListView::HasOneSelected},
    };
    return map;
}

void CTopicListView::resizeEvent(QResizeEvent*) {
    m_caption->layOutWith(m_list);
}

void CTopicListView::LoadTopics() {
    m_list->setEditTriggers(m_doc.IsReadOnly() ? QAbstractItemView::NoEditTriggers
                                               : QAbstractItemView::SelectedClicked |
                                                     QAbstractItemView::EditKeyPressed);
    m_model->clear();
    if (m_doc.IsJournalOpen()) {
        try {
            for (TopicItem& topic : LoadTopicItems(m_doc.Reader().Db()))
                m_model->append(std::move(topic));
        } catch (const CppSQLite3Exception& e) {
            m_doc.ShowDatabaseError(e);
        }
    }
    RebuildSelectedNames();
}

void CTopicListView::ReloadKeepingSelection() {
    const std::vector<std::string> selected = GetSelectedTopicIds();
    LoadTopics();
    QItemSelection keep;
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (std::find(selected.begin(), selected.end(), m_model->item(row).id) != selected.end())
            keep.select(m_model->index(row), m_model->index(row));
    m_list->selectionModel()->select(keep, QItemSelectionModel::ClearAndSelect);
    RebuildSelectedNames();
}

void CTopicListView::StoreName(std::string topicId, const std::string& name) {
    if (!m_doc.RenameTopic(topicId, name))
        return; // told; a topic gone is gone from the list too
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row).id == topicId)
            m_model->rename(row, name);
    RebuildSelectedNames();
    // The entry list and the preview show topic names too.
    if (m_doc.EntryList())
        m_doc.EntryList()->ReloadKeepingSelection();
}

void CTopicListView::AddTopicItem(const std::string& topicId, const std::string& name) {
    m_model->append(TopicItem{topicId, name});
}

void CTopicListView::AddTopicItemAndEdit(const std::string& topicId, const std::string& name) {
    AddTopicItem(topicId, name);
    const QModelIndex index = m_model->index(m_model->rowCount() - 1);
    m_list->scrollTo(index);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    // The new topic is the whole selection now: the caption and the list say so at once.
    RebuildSelectedNames();
    m_doc.RefreshEntryList();
    m_list->edit(index);
}

std::vector<int> CTopicListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CTopicListView::GetSelectedTopicCount() const {
    return static_cast<int>(SelectedRows().size());
}

std::vector<std::string> CTopicListView::GetSelectedTopicIds() const {
    std::vector<std::string> ids;
    for (int row : SelectedRows())
        ids.push_back(m_model->item(row).id);
    return ids;
}

bool CTopicListView::HasOneSelected() const {
    return CanEditTopic(m_doc.IsJournalOpen(), GetSelectedTopicCount());
}

void CTopicListView::OnListClicked() {
    m_doc.RefreshEntryList();
    RebuildSelectedNames();
}

void CTopicListView::RebuildSelectedNames() {
    QStringList names;
    for (int row : SelectedRows())
        names.append(storedToText(m_model->item(row).name));
    m_selectedNames = names.join(QLatin1Char(','));
    emit topicsTextChanged(m_selectedNames);
}

void CTopicListView::OnRenameTopic() {
    const std::vector<int> rows = SelectedRows();
    if (!rows.empty())
        m_list->edit(m_model->index(rows.front()));
}

void CTopicListView::OnDeleteTopic() {
    if (!m_ui.askYesNo(BrowserMessages::Text(BrowserMessages::kConfirmTopicDelete)))
        return;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    const std::string id = m_model->item(rows.front()).id;
    if (!m_doc.DeleteTopic(id))
        return;
    // Found again by id: the session may have refilled the list meanwhile.
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row).id == id)
            m_model->removeAt(row--);
    m_doc.RefreshEntryList();
    RebuildSelectedNames();
}

void CTopicListView::ShowContextMenu(const QPoint& globalPos) {
    m_menu->popupAt(globalPos);
}
