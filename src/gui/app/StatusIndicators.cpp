#include "gui/app/StatusIndicators.h"

#include "core/platform/CommandIds.h"
#include "core/platform/CommandPrompts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

StatusIndicators::StatusIndicators(QStatusBar& bar) : QObject(&bar), m_readOnly(new QLabel(&bar)) {
    m_readOnly->setObjectName(QStringLiteral("indicatorReadOnly"));
    m_readOnly->setFrameShape(QFrame::StyledPanel);
    m_readOnly->setFrameShadow(QFrame::Sunken);
    bar.addPermanentWidget(m_readOnly);
    m_readOnly->hide();
    const CommandId ids[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    const char* names[] = {"indicatorCaps", "indicatorNum", "indicatorScroll"};
    for (std::size_t i = 0; i < m_panes.size(); ++i) {
        auto* label = new QLabel(indicatorText(ids[i]), &bar);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(
            std::max(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")),
                     label->fontMetrics().horizontalAdvance(label->text())) +
            12);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        bar.addPermanentWidget(label);
        m_panes[i] = label;
        setLit(i, false);
    }
    QCoreApplication::instance()->installEventFilter(this);
}

bool StatusIndicators::isLit(int pane) const {
    return m_lit.at(static_cast<std::size_t>(pane));
}

void StatusIndicators::showReadOnly(const QString& text) {
    m_readOnly->setText(text);
    m_readOnly->setVisible(!text.isEmpty());
}

void StatusIndicators::setLit(std::size_t pane, bool lit) {
    m_lit[pane] = lit;
    m_panes[pane]->setEnabled(lit);
}

bool StatusIndicators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            switch (key->key()) {
            case Qt::Key_CapsLock:
                setLit(0, !m_lit[0]);
                break;
            case Qt::Key_NumLock:
                setLit(1, !m_lit[1]);
                break;
            case Qt::Key_ScrollLock:
                setLit(2, !m_lit[2]);
                break;
            default:
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
