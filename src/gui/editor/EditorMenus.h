#pragma once

class CommandActions;
class QMainWindow;
class QToolBar;

// The entry editor's menu bar and toolbar, built from the tables in EditorMenus.cpp; every
// item is an action bound to its command id, so the editor's command route decides its state.
namespace EditorMenus {

void buildMenuBar(QMainWindow& window, CommandActions& actions);
QToolBar* buildToolBar(QMainWindow& window, CommandActions& actions);

} // namespace EditorMenus
