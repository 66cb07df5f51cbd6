#include "gui/dialogs/CEntryTopicsDlg.h"

#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/Panes.h"
#include "gui/dialogs/CMasterTopicsDlg.h"
#include "gui/dialogs/TopicDialogLayout.h"
#include "gui/platform/ControlId.h"

#include <QListWidget>
#include <QPushButton>

CEntryTopicsDlg::CEntryTopicsDlg(CQBKDoc& doc, JournalUi& ui, const std::string& entryId,
                                 TopicChoiceValues* choice, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_ui(ui), m_choice(choice),
      m_topics(doc.Reader().Db(), ui, entryId, choice ? choice->m_chosenIds : std::string()),
      m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("CEntryTopicsDlg"));
    setWindowTitle(tr("Entry Topics"));
    setControlId(m_list, kListId);
    TopicDialogLayout layout(this, m_list);
    QPushButton* ok = layout.button(tr("&OK"), 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEntryTopicsDlg::OnOk);
    connect(layout.button(tr("&Cancel"), 2), &QPushButton::clicked, this, &QDialog::reject);
    layout.space();
    connect(layout.button(tr("Select &All"), kSelectAllId), &QPushButton::clicked, this, [this] {
        m_topics.TickAll(true);
        ShowItems();
    });
    connect(layout.button(tr("&Unselect All"), kUnselectAllId), &QPushButton::clicked, this,
            [this] {
                m_topics.TickAll(false);
                ShowItems();
            });
    layout.stretch();
    connect(layout.button(tr("Master Topic List..."), kMasterListId), &QPushButton::clicked, this,
            &CEntryTopicsDlg::OnMasterTopicList);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_topics.SetTicked(static_cast<std::size_t>(m_list->row(item)),
                           item->checkState() == Qt::Checked);
    });

    m_topics.Fill();
    ShowItems();
}

bool CEntryTopicsDlg::RunForEntry(CQBKDoc& doc, JournalUi& ui, const std::string& entryId,
                                  QWidget* parent) {
    CEntryTopicsDlg dialog(doc, ui, entryId, nullptr, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (doc.EntryList())
        doc.EntryList()->ReloadKeepingSelection();
    else
        doc.RefreshEntryList();
    return true;
}

bool CEntryTopicsDlg::RunTopicChoice(CQBKDoc& doc, JournalUi& ui, TopicChoiceValues& values,
                                     QWidget* parent) {
    CEntryTopicsDlg dialog(doc, ui, std::string(), &values, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CEntryTopicsDlg::ShowItems() {
    const QSignalBlocker quiet(m_list);
    const int current = m_list->currentRow();
    m_list->clear();
    for (const TickedTopic& item : m_topics.Items()) {
        auto* row = new QListWidgetItem(storedToText(item.topic.name), m_list);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(item.ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (current >= 0 && current < m_list->count())
        m_list->setCurrentRow(current);
}

void CEntryTopicsDlg::OnMasterTopicList() {
    if (!CMasterTopicsDlg::Run(m_doc, m_ui, this))
        return;
    m_topics.RefreshKeepingTicks();
    ShowItems();
}

void CEntryTopicsDlg::OnOk() {
    // After a failure (already shown) the dialog stays open, so OK can be tried again.
    if (m_topics.Accept(m_choice))
        accept();
}
