#include "gui/dialogs/TopicDialogLayout.h"

#include "gui/platform/ControlId.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TopicDialogLayout::TopicDialogLayout(QDialog* dialog, QWidget* list)
    : m_dialog(dialog), m_buttons(new QVBoxLayout) {
    auto* columns = new QHBoxLayout(dialog);
    list->setMinimumSize(340, 240);
    list->setAccessibleName(QCoreApplication::translate("TopicDialogLayout", "Topics"));
    columns->addWidget(list, 1);
    columns->addLayout(m_buttons);
}

QPushButton* TopicDialogLayout::button(const QString& text, int controlId) {
    auto* pushButton = new QPushButton(text, m_dialog);
    setControlId(pushButton, controlId);
    pushButton->setAutoDefault(false);
    m_buttons->addWidget(pushButton);
    return pushButton;
}

void TopicDialogLayout::space() {
    m_buttons->addSpacing(12);
}

void TopicDialogLayout::stretch() {
    m_buttons->addStretch(1);
}
