#pragma once

class CommandActions;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's menu bar, toolbar and accelerators, built from the tables in
// MainMenus.cpp. Every item is an action bound to its command id, so its state comes from the
// command route.
namespace MainMenus {

// The menu bar, with the recent-journal entries in the File menu.
void buildMenuBar(QMainWindow& window, CommandActions& actions);
QToolBar* buildToolBar(QMainWindow& window, CommandActions& actions);
// Shortcuts that are not shown in any menu; they act only while something on the route
// handles their command.
void addAccelerators(QMainWindow& window, CommandActions& actions);

} // namespace MainMenus
