#pragma once

#include <QObject>

#include <array>

class CommandActions;
class QAction;
class QMenu;

// The recent-journal block of the File menu: four items with the recent-file command ids.
// Their text and enabled state come from the route like any other item (the application's
// rule names the journals); this only hides the items that have no journal, keeping the
// "Recent File" placeholder while the list is empty.
class RecentFileMenu : public QObject {
    Q_OBJECT

public:
    RecentFileMenu(QMenu& menu, CommandActions& actions);

    // Shows the items that name a journal (after a refresh of their state).
    void updateVisibility();

private:
    std::array<QAction*, 4> m_items{};
};
