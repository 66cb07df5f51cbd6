#include "gui/platform/HelpWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

namespace {

struct HelpPage {
    const char* title;
    const char* file;
};

constexpr HelpPage kPages[] = {
    {QT_TRANSLATE_NOOP("HelpWindow", "Welcome to Quillbook"), "index.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Journals"), "journals.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Folders and entries"), "entries.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Topics"), "topics.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Searching"), "search.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Passwords"), "passwords.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "Printing"), "printing.html"},
    {QT_TRANSLATE_NOOP("HelpWindow", "The main window"), "window.html"},
};

QUrl pageUrl(const char* file) {
    return QUrl(QStringLiteral("qrc:/help/") + QString::fromLatin1(file));
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_contents(new QListWidget), m_page(new QTextBrowser) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Quillbook Help"));
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenExternalLinks(true);
    for (const HelpPage& page : kPages) {
        auto* item = new QListWidgetItem(tr(page.title), m_contents);
        item->setData(Qt::UserRole, pageUrl(page.file));
    }
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_page->setSource(item->data(Qt::UserRole).toUrl());
    });
    // Links between pages keep the contents' selection in step.
    connect(m_page, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        for (int row = 0; row < m_contents->count(); ++row) {
            if (m_contents->item(row)->data(Qt::UserRole).toUrl() == url) {
                const QSignalBlocker block(m_contents);
                m_contents->setCurrentRow(row);
            }
        }
    });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setSizes({200, 600});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(820, 600);
    m_contents->setCurrentRow(0);
}
