#include "gui/editor/FindReplaceDialog.h"

#include "core/editor/EditorTexts.h"
#include "gui/editor/EditorFind.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindReplaceDialog::FindReplaceDialog(EditorFind& find, QWidget* parent)
    : QDialog(parent), m_engine(find), m_find(new QLineEdit(this)),
      m_replaceLabel(new QLabel(tr("Re&place with:"), this)), m_replace(new QLineEdit(this)),
      m_matchCase(new QCheckBox(tr("Match &case"), this)),
      m_wholeWord(new QCheckBox(tr("Match &whole word only"), this)),
      m_findNext(new QPushButton(tr("&Find Next"), this)),
      m_replaceButton(new QPushButton(tr("&Replace"), this)),
      m_replaceAll(new QPushButton(tr("Replace &All"), this)), m_status(new QLabel(this)) {
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_find->setObjectName(QStringLiteral("findText"));
    m_replace->setObjectName(QStringLiteral("replaceText"));
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_wholeWord->setObjectName(QStringLiteral("wholeWord"));
    m_findNext->setObjectName(QStringLiteral("findNext"));
    m_replaceButton->setObjectName(QStringLiteral("replace"));
    m_replaceAll->setObjectName(QStringLiteral("replaceAll"));

    auto* fields = new QFormLayout;
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_find);
    m_replaceLabel->setBuddy(m_replace);
    fields->addRow(findLabel, m_find);
    fields->addRow(m_replaceLabel, m_replace);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(m_matchCase);
    left->addWidget(m_wholeWord);
    left->addWidget(m_status);
    left->addStretch();

    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_findNext, m_replaceButton, m_replaceAll, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    m_findNext->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, [this] {
        takeFields();
        m_engine.findNext();
    });
    connect(m_replaceButton, &QPushButton::clicked, this, [this] {
        takeFields();
        m_engine.replaceCurrent();
    });
    connect(m_replaceAll, &QPushButton::clicked, this, [this] {
        takeFields();
        const int count = m_engine.replaceAll();
        if (count > 0)
            m_status->setText(editortexts::replacedCount(count));
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto enableButtons = [this] {
        const bool any = !m_find->text().isEmpty();
        m_findNext->setEnabled(any);
        m_replaceButton->setEnabled(any);
        m_replaceAll->setEnabled(any);
    };
    connect(m_find, &QLineEdit::textChanged, this, enableButtons);
    enableButtons();
}

void FindReplaceDialog::setReplaceMode(bool replace) {
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    m_replaceLabel->setVisible(replace);
    m_replace->setVisible(replace);
    m_replaceButton->setVisible(replace);
    m_replaceAll->setVisible(replace);
    adjustSize();
}

void FindReplaceDialog::setFindText(const QString& text) {
    m_find->setText(text);
    m_find->selectAll();
}

void FindReplaceDialog::takeFields() {
    m_status->clear();
    m_engine.setNeedle(m_find->text(), {m_matchCase->isChecked(), m_wholeWord->isChecked()});
    m_engine.setReplacement(m_replace->text());
}
