#include "gui/platform/CaptionBar.h"

#include "gui/platform/ControlId.h"
#include "gui/platform/PaletteWatch.h"
#include "gui/platform/ThemeIcons.h"
#include "render/PaletteContrast.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

CaptionBar::CaptionBar(QWidget* parent)
    : QWidget(parent), m_icon(new QLabel(this)), m_text(new QLabel(this)),
      m_second(new QLabel(this)), m_childButton(new QToolButton(this)) {
    setObjectName(QStringLiteral("captionBar"));
    setControlId(this, 0xFFFF);
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    m_text->setFont(font);
    m_text->setObjectName(QStringLiteral("captionText"));
    m_second->setObjectName(QStringLiteral("captionSecondText"));
    QFont secondFont = font;
    secondFont.setPixelSize(14);
    secondFont.setBold(false);
    m_second->setFont(secondFont);
    // Folder and topic names are the user's text, never markup.
    for (QLabel* label : {m_text, m_second})
        label->setTextFormat(Qt::PlainText);

    m_childButton->setObjectName(QStringLiteral("captionShowFolders"));
    m_childButton->setText(tr("Folders"));
    m_childButton->setToolTip(tr("Show the folder pane"));
    m_childButton->setAutoRaise(true);
    m_childButton->setIcon(ThemeIcons::folder());
    m_childButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_childButton->hide();
    connect(m_childButton, &QToolButton::clicked, this, [this] {
        setChildButtonShown(false);
        emit childRequested();
    });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 8, 0);
    layout->setSpacing(6);
    layout->addWidget(m_childButton);
    layout->addWidget(m_icon);
    layout->addWidget(m_text);
    layout->addStretch(1);
    layout->addWidget(m_second);

    PaletteWatch::follow(this, [this] {
        setTextColour({m_text, m_second, m_childButton},
                      PaletteContrast::captionBand(palette()).text);
    });
}

void CaptionBar::updateCaption(const QString& text, const QString& secondText, const QIcon& icon) {
    m_text->setText(text);
    m_second->setText(secondText);
    m_icon->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(20, 20));
}

QString CaptionBar::text() const {
    return m_text->text();
}

QString CaptionBar::secondText() const {
    return m_second->text();
}

void CaptionBar::setChildButtonShown(bool shown) {
    m_childButton->setVisible(shown);
}

bool CaptionBar::childButtonShown() const {
    return !m_childButton->isHidden();
}
