#include "gui/dialogs/CMasterTopicsDlg.h"

#include "core/platform/TextEncoding.h"
#include "gui/dialogs/CEditListBox.h"
#include "gui/dialogs/TopicDialogLayout.h"
#include "gui/platform/ControlId.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

CMasterTopicsDlg::CMasterTopicsDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QDialog(parent), m_topics(doc, ui), m_list(new CEditListBox(this)) {
    setObjectName(QStringLiteral("CMasterTopicsDlg"));
    setWindowTitle(tr("Edit Master Topic List"));
    setControlId(m_list, kListId);
    TopicDialogLayout layout(this, m_list);
    connect(layout.button(tr("&Add"), kAddId), &QPushButton::clicked, this,
            &CMasterTopicsDlg::OnAdd);
    connect(layout.button(tr("&Delete"), kDeleteId), &QPushButton::clicked, this,
            &CMasterTopicsDlg::OnDelete);
    connect(layout.button(tr("&Rename"), kRenameId), &QPushButton::clicked, this,
            &CMasterTopicsDlg::OnRename);
    layout.stretch();
    connect(layout.button(tr("&OK"), kOkId), &QPushButton::clicked, this, &CMasterTopicsDlg::OnOk);
    connect(m_list, &CEditListBox::itemTextEdited, this, &CMasterTopicsDlg::OnItemTextEdited);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_topics.Select(row); });

    m_topics.Fill();
    ShowItems();
}

bool CMasterTopicsDlg::Run(CQBKDoc& doc, JournalUi& ui, QWidget* parent) {
    CMasterTopicsDlg dialog(doc, ui, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CMasterTopicsDlg::keyPressEvent(QKeyEvent* event) {
    // No default button: Enter belongs to the rename editor alone.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMasterTopicsDlg::ShowItems() {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const TopicItem& topic : m_topics.Items())
        m_list->addItem(storedToText(topic.name));
    m_list->setCurrentRow(m_topics.Selected());
}

void CMasterTopicsDlg::OnAdd() {
    m_list->EndEdit(true);
    if (m_topics.Add() < 0)
        return;
    ShowItems();
    m_list->BeginEdit();
}

void CMasterTopicsDlg::OnDelete() {
    m_list->EndEdit(true);
    m_topics.DeleteSelected();
    ShowItems();
}

void CMasterTopicsDlg::OnRename() {
    m_list->BeginEdit();
}

void CMasterTopicsDlg::OnItemTextEdited(int index, const QString&) {
    const QString text = m_list->item(index)->text();
    const int at = m_topics.Rename(index, textToStored(text));
    if (at < 0)
        return;
    // The list shows the topic where it now sorts, or its old name when nothing was stored.
    const QSignalBlocker quiet(m_list);
    QListWidgetItem* moved = m_list->takeItem(index);
    moved->setText(storedToText(m_topics.Items()[static_cast<std::size_t>(at)].name));
    m_list->insertItem(at, moved);
    m_list->setCurrentRow(m_topics.Selected());
}

void CMasterTopicsDlg::OnOk() {
    m_list->EndEdit(true);
    m_topics.Finish();
    accept();
}
