#include "gui/browser/PaneCaption.h"

#include "gui/platform/PaletteWatch.h"
#include "gui/platform/ThemeIcons.h"
#include "render/PaletteContrast.h"

#include <QLabel>
#include <QStyle>
#include <QToolButton>

PaneCaption::PaneCaption(const QString& title, int closeButtonId, QWidget* pane)
    : QWidget(pane), m_title(new QLabel(title, this)), m_close(new QToolButton(this)) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Mid);
    m_title->setContentsMargins(4, 0, 0, 0);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setProperty("controlId", closeButtonId);
    m_close->setAutoRaise(true);
    m_close->setIconSize(QSize(10, 10));
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close %1 pane").arg(title));
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QToolButton::clicked, this, &PaneCaption::closeClicked);
    PaletteWatch::follow(this, [this] {
        setTextColour({m_title}, PaletteContrast::paneTitleBand(palette()).text);
        m_close->setIcon(ThemeIcons::closePane(palette()));
    });
}

void PaneCaption::layOutWith(QWidget* content) {
    const QWidget* pane = parentWidget();
    const int contentTop = stripHeight() + kContentGap;
    setGeometry(0, 0, pane->width(), stripHeight());
    content->setGeometry(0, contentTop, pane->width(), std::max(0, pane->height() - contentTop));
}

int PaneCaption::stripHeight() const {
    return std::max(kHeight, m_title->fontMetrics().height() + 2);
}

void PaneCaption::resizeEvent(QResizeEvent*) {
    m_title->setGeometry(0, 0, width() - 20, height());
    m_close->setGeometry(width() - 18, (height() - 13) / 2, 16, 13);
}
