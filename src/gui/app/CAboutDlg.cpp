#include "gui/app/CAboutDlg.h"

#include "gui/platform/ControlId.h"
#include "gui/platform/ExternalPrograms.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* link(const QString& url, const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url, text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}
} // namespace

CAboutDlg::CAboutDlg(const QString& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setControlId(this, 100);
    setWindowTitle(tr("About Quillbook"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/images/quillbook.svg")).pixmap(64, 64));
    auto* name = new QLabel(QStringLiteral("Quillbook"), this);
    name->setObjectName(QStringLiteral("aboutProduct"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(18);
    font.setBold(true);
    name->setFont(font);
    auto* versionLabel = new QLabel(tr("Version %1").arg(version), this);
    versionLabel->setObjectName(QStringLiteral("aboutVersion"));

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(versionLabel);
    text->addSpacing(8);
    text->addWidget(
        link(ExternalPrograms::webSiteUrl(), ExternalPrograms::webSiteUrl(), this, "aboutWebSite"));
    text->addWidget(link(QStringLiteral("mailto:") + ExternalPrograms::supportMailAddress(),
                         ExternalPrograms::supportMailAddress(), this, "aboutMail"));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}
