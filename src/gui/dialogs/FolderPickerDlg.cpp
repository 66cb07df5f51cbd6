#include "gui/dialogs/FolderPickerDlg.h"

#include "core/platform/TextEncoding.h"
#include "gui/dialogs/DialogParts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <deque>

namespace {

constexpr const char* kRootId = "{Root}";

QString folderId(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toString();
}

// The folders under the top level, breadth first from it; a folder is placed once, so a
// hand-edited file's cycles end, and folders out of reach of the top are left out.
void fillTree(QTreeWidget* tree, const FolderChoiceValues& values) {
    QHash<QString, QList<const FolderChoiceValues::Folder*>> children;
    for (const FolderChoiceValues::Folder& folder : values.m_folders)
        children[QString::fromStdString(folder.parentId)].append(&folder);
    auto* top =
        new QTreeWidgetItem(tree, {QCoreApplication::translate("FolderPickerDlg", "(top level)")});
    top->setData(0, Qt::UserRole, QString::fromLatin1(kRootId));
    QSet<QString> placed{folderId(top)};
    std::deque<QTreeWidgetItem*> pending{top};
    while (!pending.empty()) {
        QTreeWidgetItem* parent = pending.front();
        pending.pop_front();
        for (const FolderChoiceValues::Folder* folder : children.value(folderId(parent))) {
            const QString id = QString::fromStdString(folder->id);
            if (placed.contains(id))
                continue;
            placed.insert(id);
            auto* item = new QTreeWidgetItem(parent, {storedToText(folder->name)});
            item->setData(0, Qt::UserRole, id);
            pending.push_back(item);
            if (id.toStdString() == values.m_folderId)
                tree->setCurrentItem(item);
        }
    }
    if (!tree->currentItem())
        tree->setCurrentItem(top);
    tree->expandAll();
}

} // namespace

FolderPickerDlg::FolderPickerDlg(const FolderChoiceValues& values, QWidget* parent)
    : QDialog(parent), m_tree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("FolderPickerDlg"));
    setWindowTitle(tr("Choose a Folder"));
    m_tree->setHeaderHidden(true);
    fillTree(m_tree, values);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(storedToText(values.m_prompt), this);
    prompt->setWordWrap(true);
    m_tree->setAccessibleName(tr("Folders"));
    m_tree->setAccessibleDescription(prompt->text());
    layout->addWidget(prompt);
    layout->addWidget(m_tree);
    layout->addLayout(okCancelRow(this, tr("OK")));
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

bool FolderPickerDlg::Run(QWidget* parent, FolderChoiceValues& values) {
    FolderPickerDlg dialog(values, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.m_tree->currentItem())
        return false;
    values.m_folderId = folderId(dialog.m_tree->currentItem()).toStdString();
    return true;
}
