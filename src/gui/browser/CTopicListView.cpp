#include "browser/CTopicListView.h"

#include "dialogs/JournalUi.h"
#include "store/CQBKDoc.h"

#include <QListView>
#include <QVBoxLayout>

CTopicListView::CTopicListView(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_ui(ui), m_list(new QListView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setProperty("controlId", kListControlId);
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

void CTopicListView::LoadTopics() {}
void CTopicListView::AddTopicItemAndEdit(const std::string&, const std::string&) {}
void CTopicListView::AddTopicItem(const std::string&, const std::string&) {}
int CTopicListView::GetSelectedTopicCount() const {
    return 0;
}
std::vector<std::string> CTopicListView::GetSelectedTopicIds() const {
    return {};
}
bool CTopicListView::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}
void CTopicListView::OnRenameTopic() {}
void CTopicListView::OnDeleteTopic() {}
bool CTopicListView::HasOneSelected() const {
    return false;
}
