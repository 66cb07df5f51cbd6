#include "gui/platform/RecentFileMenu.h"

#include "core/platform/CommandIds.h"
#include "gui/platform/CommandActions.h"

#include <QAction>
#include <QMenu>

RecentFileMenu::RecentFileMenu(QMenu& menu, CommandActions& actions) : QObject(&menu) {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const CommandId id = ID_FILE_MRU_FILE1 + static_cast<CommandId>(i);
        m_items[i] = actions.add(id, i == 0 ? tr("Recent File") : QString(),
                                 QStringLiteral("actionRecentFile%1").arg(i + 1));
        menu.addAction(m_items[i]);
    }
    // Connected after the menu's state refresh, so the texts are current here.
    connect(&menu, &QMenu::aboutToShow, this, &RecentFileMenu::updateVisibility);
    updateVisibility();
}

void RecentFileMenu::updateVisibility() {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->setVisible(i == 0 || !m_items[i]->text().isEmpty());
}
