#include "gui/export/ExportDialog.h"

#include "core/platform/QtDates.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/export/ConfirmReplace.h"
#include "gui/platform/DateField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct FormatItem {
    ExportFormat format;
    const char* label;
};
constexpr FormatItem kFormats[] = {
    {ExportFormat::Html, QT_TRANSLATE_NOOP("ExportDialog", "Web page (HTML)")},
    {ExportFormat::Markdown, QT_TRANSLATE_NOOP("ExportDialog", "Markdown")},
    {ExportFormat::Text, QT_TRANSLATE_NOOP("ExportDialog", "Plain text")},
    {ExportFormat::Odt, QT_TRANSLATE_NOOP("ExportDialog", "OpenDocument text (ODT)")},
    {ExportFormat::Pdf, QT_TRANSLATE_NOOP("ExportDialog", "PDF (as printed)")},
};

} // namespace

ExportDialog::ExportDialog(const ExportDialogValues& initial, const QString& proposedName,
                           QWidget* parent)
    : QDialog(parent), m_initial(initial), m_proposedName(proposedName) {
    setWindowTitle(tr("Export Journal"));
    setObjectName(QStringLiteral("exportDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* entries = new QGroupBox(tr("Entries"), this);
    auto* entriesLayout = new QVBoxLayout(entries);
    m_scope = new QButtonGroup(this);
    const std::pair<int, const char*> scopes[] = {
        {EntryChoice::SelectedEntry, QT_TRANSLATE_NOOP("ExportDialog", "Export Selected Entry")},
        {EntryChoice::AllEntries, QT_TRANSLATE_NOOP("ExportDialog", "Export All Entries")},
        {EntryChoice::CurrentFolder,
         QT_TRANSLATE_NOOP("ExportDialog", "Export All Entries in Current Folder")},
    };
    for (const auto& [what, label] : scopes) {
        auto* button = new QRadioButton(tr(label), entries);
        button->setObjectName(QStringLiteral("scope%1").arg(what));
        m_scope->addButton(button, what);
        entriesLayout->addWidget(button);
    }
    if (initial.selectedEntriesEnabled()) {
        auto* several = new QRadioButton(
            SelectedEntriesLabel(static_cast<int>(initial.selectedIds.size())), entries);
        several->setObjectName(QStringLiteral("scope%1").arg(EntryChoice::SelectedEntries));
        m_scope->addButton(several, EntryChoice::SelectedEntries);
        entriesLayout->insertWidget(0, several);
    }
    m_scope->button(EntryChoice::SelectedEntry)->setEnabled(initial.selectedEnabled);
    m_scope->button(EntryChoice::CurrentFolder)->setEnabled(initial.folderEnabled);
    m_scope->button(initial.what)->setChecked(true);

    auto* dates = new QHBoxLayout;
    m_between = new QCheckBox(tr("Between"), entries);
    m_between->setObjectName(QStringLiteral("between"));
    m_between->setChecked(initial.between);
    m_from = new QDateEdit(toQDate(initial.from), entries);
    m_to = new QDateEdit(toQDate(initial.to), entries);
    for (QDateEdit* edit : {m_from, m_to})
        setUpDateField(edit, DateFieldParts::Date);
    m_from->setObjectName(QStringLiteral("fromDay"));
    m_to->setObjectName(QStringLiteral("toDay"));
    nameDayRange(m_from, m_to);
    m_and = new QLabel(tr("AND"), entries);
    dates->addWidget(m_between);
    dates->addWidget(m_from);
    dates->addWidget(m_and);
    dates->addWidget(m_to);
    dates->addStretch();
    entriesLayout->addLayout(dates);
    layout->addWidget(entries);

    auto* output = new QGroupBox(tr("Destination"), this);
    auto* outputLayout = new QVBoxLayout(output);
    m_format = new QComboBox(output);
    m_format->setObjectName(QStringLiteral("format"));
    labelForScreenReaders(m_format, tr("Format"));
    for (const FormatItem& item : kFormats)
        m_format->addItem(tr(item.label), int(item.format));
    m_format->setCurrentIndex(m_format->findData(int(initial.format)));
    outputLayout->addWidget(m_format);
    auto* pathRow = new QHBoxLayout;
    m_path = new QLineEdit(initial.path, output);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setAccessibleName(tr("File"));
    m_path->setMinimumWidth(360); // room for a whole path
    auto* browse = new QPushButton(tr("Browse..."), output);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    outputLayout->addLayout(pathRow);
    m_split = new QCheckBox(tr("One file per entry, named by its date"), output);
    m_split->setObjectName(QStringLiteral("split"));
    m_split->setChecked(initial.split);
    outputLayout->addWidget(m_split);
    layout->addWidget(output);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Export"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(m_scope, &QButtonGroup::idClicked, this, &ExportDialog::applyRules);
    connect(m_between, &QCheckBox::toggled, this, &ExportDialog::applyRules);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportDialog::formatChanged);
    // The range can never be inverted: moving one end past the other takes the other along.
    connect(m_from, &QDateEdit::dateChanged, this, [this](QDate day) {
        if (day > m_to->date())
            m_to->setDate(day);
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](QDate day) {
        if (day < m_from->date())
            m_from->setDate(day);
    });
    applyRules();
}

ExportDialogValues ExportDialog::values() const {
    ExportDialogValues values = m_initial;
    values.what = m_scope->checkedId();
    values.between = m_between->isChecked();
    values.from = toOleDateTime(m_from->date());
    values.to = toOleDateTime(m_to->date());
    values.format = ExportFormat(m_format->currentData().toInt());
    values.path = m_path->text().trimmed();
    values.split = m_split->isChecked();
    return values;
}

void ExportDialog::applyRules() {
    const ExportDialogValues current = values();
    m_between->setEnabled(current.betweenEnabled());
    for (QWidget* widget : std::initializer_list<QWidget*>{m_from, m_and, m_to})
        widget->setEnabled(current.datesEnabled());
}

void ExportDialog::formatChanged() {
    // A chosen file keeps its name and takes the new format's extension.
    const QString path = m_path->text().trimmed();
    if (path.isEmpty() || m_split->isChecked())
        return;
    const QFileInfo info(path);
    m_path->setText(info.dir().filePath(info.completeBaseName() + u'.' +
                                        QLatin1String(ExportFormatExtension(values().format))));
}

void ExportDialog::browse() {
    const ExportDialogValues current = values();
    QString chosen;
    if (current.split) {
        chosen = QFileDialog::getExistingDirectory(this, tr("Export to Folder"), current.path);
    } else {
        const QString extension = QLatin1String(ExportFormatExtension(current.format));
        const QString start =
            current.path.isEmpty() ? m_proposedName + u'.' + extension : current.path;
        chosen = QFileDialog::getSaveFileName(
            this, tr("Export Journal"), start,
            QStringLiteral("%1 (*.%2)").arg(m_format->currentText(), extension));
    }
    if (!chosen.isEmpty()) {
        m_path->setText(chosen);
        m_confirmedPath = chosen;
    }
}

void ExportDialog::accept() {
    const QString problem = ExportValuesProblem(values());
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    const ExportDialogValues current = values();
    if (!confirmReplace(this, current.split ? QString() : current.path, m_confirmedPath))
        return;
    QDialog::accept();
}
