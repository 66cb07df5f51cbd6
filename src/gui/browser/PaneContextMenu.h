#pragma once

#include "core/platform/CommandIds.h"
#include "core/platform/CommandRouter.h"

#include <QMenu>
#include <functional>
#include <initializer_list>

class CommandTarget;

// A pane's context menu. Its items run commands as the main menu would while the pane is
// active: the pane first, then the journal document; a command neither handles, or whose
// rule disables it, shows disabled. Item states are taken each time the menu opens.
class PaneContextMenu : public QMenu {
    Q_OBJECT
public:
    struct Item {
        CommandId id; // 0 for a separator
        const char* text;
        const char* objectName;
    };

    PaneContextMenu(QWidget* pane, CommandTarget& paneTarget, CommandTarget& document,
                    std::initializer_list<Item> items);

    // Refreshes the item states and opens the menu at a screen position without blocking.
    void popupAt(const QPoint& globalPos);
    void refreshStates();

private:
    CommandRouter m_route;
};

// Calls back whenever the pane or one of its children takes the keyboard focus, which makes
// it the active pane.
void NotifyWhenFocused(QWidget* pane, std::function<void()> activated);
