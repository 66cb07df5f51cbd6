#include "gui/import/ImportDlg.h"

#include "core/platform/TextEncoding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <map>

namespace {

// The folder's names from the top down, for the folder list.
QString folderPath(const std::vector<FolderChoiceValues::Folder>& folders,
                   const FolderChoiceValues::Folder& folder) {
    std::map<std::string, const FolderChoiceValues::Folder*> byId;
    for (const auto& f : folders)
        byId[f.id] = &f;
    QString path = storedToText(folder.name);
    std::string parent = folder.parentId;
    for (std::size_t steps = 0; byId.count(parent) && steps < folders.size(); ++steps) {
        path = storedToText(byId[parent]->name) + QStringLiteral(" / ") + path;
        parent = byId[parent]->parentId;
    }
    return path;
}

} // namespace

ImportDlg::ImportDlg(const std::vector<FolderChoiceValues::Folder>& folders, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Import"));
    setObjectName(QStringLiteral("importDialog"));
    auto* form = new QFormLayout(this);
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("importFormat"));
    m_format->addItems(ImportFormatTitles());
    form->addRow(tr("&Import from:"), m_format);

    auto* row = new QHBoxLayout;
    m_source = new QLineEdit(this);
    m_source->setObjectName(QStringLiteral("importSource"));
    m_source->setAccessibleName(tr("Source"));
    m_source->setMinimumWidth(360);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    row->addWidget(m_source, 1);
    row->addWidget(browse);
    form->addRow(tr("&Source:"), row);
    connect(browse, &QPushButton::clicked, this, &ImportDlg::browse);

    m_folder = new QComboBox(this);
    m_folder->setObjectName(QStringLiteral("importFolder"));
    m_folder->addItem(tr("(Top of the journal)"), QStringLiteral("{Root}"));
    QList<std::pair<QString, QString>> paths;
    for (const auto& folder : folders)
        paths.append({folderPath(folders, folder), QString::fromStdString(folder.id)});
    std::sort(paths.begin(), paths.end());
    for (const auto& [path, id] : paths)
        m_folder->addItem(path, id);
    form->addRow(tr("Into &folder:"), m_folder);

    m_topics = new QCheckBox(tr("&Tags and categories become topics"), this);
    m_topics->setObjectName(QStringLiteral("topicsFromTags"));
    m_topics->setChecked(true);
    form->addRow(m_topics);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!m_source->text().trimmed().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ImportDlg::browse() {
    const QString chosen =
        m_format->currentIndex() == int(ImportFormat::Quillbook)
            ? QFileDialog::getOpenFileName(this, tr("Import"), m_source->text(),
                                           tr("Journals (*.qbk)"))
            : QFileDialog::getExistingDirectory(this, tr("Import"), m_source->text());
    if (!chosen.isEmpty())
        m_source->setText(chosen);
}

ImportDialogValues ImportDlg::values() const {
    ImportDialogValues values;
    values.format = ImportFormat(m_format->currentIndex());
    values.source = m_source->text().trimmed();
    values.folderId = m_folder->currentData().toString().toStdString();
    values.topicsFromTags = m_topics->isChecked();
    return values;
}
