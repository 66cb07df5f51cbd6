#include "gui/app/MainMenus.h"

#include "core/platform/CommandIds.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/FixedToolBar.h"
#include "gui/platform/RecentFileMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// One line of a menu: an item, a separator (id 0, no text), a submenu (id 0 with a text and
// children) or the recent-journal block.
struct MenuLine {
    CommandId id = 0;
    const char* text = nullptr;
    const char* name = nullptr;
    bool checkable = false;
    std::vector<MenuLine> children;
    bool recentFiles = false;
};

QString translated(const char* text) {
    return QCoreApplication::translate("MainMenus", text);
}

MenuLine item(CommandId id, const char* text, const char* name, bool checkable = false) {
    return MenuLine{id, text, name, checkable, {}, false};
}
MenuLine separator() {
    return MenuLine{};
}
MenuLine submenu(const char* text, const char* name, std::initializer_list<MenuLine> children) {
    return MenuLine{0, text, name, false, children, false};
}
MenuLine recentFiles() {
    return MenuLine{0, nullptr, nullptr, false, {}, true};
}

std::vector<MenuLine> menuBarTable() {
    return {
        submenu(
            QT_TRANSLATE_NOOP("MainMenus", "&File"), "menuFile",
            {
                submenu(QT_TRANSLATE_NOOP("MainMenus", "&New"), "menuFileNew",
                        {item(ID_FILE_NEW_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "Journal..."),
                              "actionNewJournal"),
                         item(ID_FILE_NEW_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "&Entry"),
                              "actionNewEntry"),
                         item(ID_FILE_NEW_FOLDER, QT_TRANSLATE_NOOP("MainMenus", "&Folder"),
                              "actionNewFolder")}),
                submenu(QT_TRANSLATE_NOOP("MainMenus", "&Open"), "menuFileOpen",
                        {item(ID_FILE_OPEN_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "&Journal..."),
                              "actionOpenJournal"),
                         item(ID_FILE_OPEN_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "Selected &Entry"),
                              "actionOpenEntry")}),
                submenu(QT_TRANSLATE_NOOP("MainMenus", "&Delete"), "menuFileDelete",
                        {item(ID_FILE_DELETE_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "&Entry"),
                              "actionDeleteEntry"),
                         item(ID_FILE_DELETE_FOLDER, QT_TRANSLATE_NOOP("MainMenus", "&Folder"),
                              "actionDeleteFolder")}),
                submenu(QT_TRANSLATE_NOOP("MainMenus", "&Rename"), "menuFileRename",
                        {item(ID_FILE_RENAME_FOLDER, QT_TRANSLATE_NOOP("MainMenus", "&Folder"),
                              "actionRenameFolder"),
                         item(ID_FILE_RENAME_TOPIC, QT_TRANSLATE_NOOP("MainMenus", "&Topic"),
                              "actionRenameTopic")}),
                item(ID_FILE_CLOSE_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "&Close Journal"),
                     "actionCloseJournal"),
                separator(),
                item(ID_FILE_PRINT_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "&Print...\tCtrl+P"),
                     "actionPrintJournal"),
                item(ID_FILE_PAGE_SETUP, QT_TRANSLATE_NOOP("MainMenus", "Page Set&up..."),
                     "actionPageSetup"),
                separator(),
                item(ID_FILE_IMPORT_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "&Import..."),
                     "actionImportJournal"),
                item(ID_FILE_EXPORT_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "Expor&t Journal..."),
                     "actionExportJournal"),
                item(ID_FILE_BACKUP_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "&Back Up Journal..."),
                     "actionBackupJournal"),
                item(ID_FILE_RESCUE_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "R&escue Journal..."),
                     "actionRescueJournal"),
                separator(),
                item(ID_FILE_JOURNAL_OPTIONS, QT_TRANSLATE_NOOP("MainMenus", "Journal Options..."),
                     "actionJournalOptions"),
                item(ID_FILE_CHANGE_PASSWORD, QT_TRANSLATE_NOOP("MainMenus", "Change Password..."),
                     "actionChangePassword"),
                separator(),
                recentFiles(),
                separator(),
                item(ID_APP_EXIT, QT_TRANSLATE_NOOP("MainMenus", "E&xit"), "actionExit"),
            }),
        submenu(QT_TRANSLATE_NOOP("MainMenus", "&Edit"), "menuEdit",
                {
                    item(ID_EDIT_COMMENT, QT_TRANSLATE_NOOP("MainMenus", "Comment..."),
                         "actionEditComment"),
                    item(ID_ENTRY_CHANGE_DATE,
                         QT_TRANSLATE_NOOP("MainMenus", "Change Entry &Date...\tCtrl+D"),
                         "actionChangeEntryDate"),
                    item(ID_EDIT_ENTRY_TOPICS, QT_TRANSLATE_NOOP("MainMenus", "&Entry Topics..."),
                         "actionEntryTopics"),
                    item(ID_ENTRY_MOVE_TO_FOLDER,
                         QT_TRANSLATE_NOOP("MainMenus", "&Move to Folder...\tCtrl+Shift+M"),
                         "actionMoveToFolder"),
                    separator(),
                    item(ID_EDIT_MASTER_TOPIC_LIST,
                         QT_TRANSLATE_NOOP("MainMenus", "Master &Topic List..."),
                         "actionMasterTopicList"),
                }),
        submenu(QT_TRANSLATE_NOOP("MainMenus", "&View"), "menuView",
                {
                    item(ID_VIEW_PREVIEW_PANE, QT_TRANSLATE_NOOP("MainMenus", "&Preview Pane"),
                         "actionViewPreview", true),
                    item(ID_VIEW_FOLDERS, QT_TRANSLATE_NOOP("MainMenus", "&Folders"),
                         "actionViewFolders", true),
                    item(ID_VIEW_TOPICS, QT_TRANSLATE_NOOP("MainMenus", "&Topics"),
                         "actionViewTopics", true),
                    item(ID_VIEW_CALENDAR, QT_TRANSLATE_NOOP("MainMenus", "&Calendar"),
                         "actionViewCalendar", true),
                    item(ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("MainMenus", "&Status Bar"),
                         "actionViewStatusBar", true),
                }),
        submenu(
            QT_TRANSLATE_NOOP("MainMenus", "&Tools"), "menuTools",
            {item(ID_TOOLS_SEARCH, QT_TRANSLATE_NOOP("MainMenus", "&Search..."), "actionSearch"),
             item(ID_TOOLS_STATISTICS, QT_TRANSLATE_NOOP("MainMenus", "S&tatistics..."),
                  "actionStatistics")}),
        submenu(
            QT_TRANSLATE_NOOP("MainMenus", "&Help"), "menuHelp",
            {
                item(ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("MainMenus", "Contents"),
                     "actionHelpContents"),
                item(ID_HELP_SUPPORT, QT_TRANSLATE_NOOP("MainMenus", "Support"), "actionSupport"),
                separator(),
                item(ID_HELP_CHECK_FOR_UPDATES,
                     QT_TRANSLATE_NOOP("MainMenus", "Check for Updates..."),
                     "actionCheckForUpdates"),
                item(ID_HELP_CONFIGURE_AUTO_UPDATES,
                     QT_TRANSLATE_NOOP("MainMenus", "Configure Auto Updates..."),
                     "actionConfigureUpdates"),
                separator(),
                item(ID_HELP_WELCOME_DIALOG, QT_TRANSLATE_NOOP("MainMenus", "Welcome Dialog..."),
                     "actionWelcomeDialog"),
                item(ID_APP_ABOUT, QT_TRANSLATE_NOOP("MainMenus", "&About Quillbook"),
                     "actionAbout"),
            }),
    };
}

void fillMenu(QMenu& menu, const std::vector<MenuLine>& lines, CommandActions& actions) {
    actions.watch(&menu);
    for (const MenuLine& line : lines) {
        if (line.recentFiles) {
            auto* recent = new RecentFileMenu(menu, actions);
            recent->setObjectName(QStringLiteral("recentFileMenu"));
        } else if (!line.children.empty()) {
            QMenu* sub = menu.addMenu(translated(line.text));
            sub->setObjectName(QString::fromLatin1(line.name));
            fillMenu(*sub, line.children, actions);
        } else if (line.id == 0) {
            menu.addSeparator();
        } else {
            QAction* action =
                actions.add(line.id, translated(line.text), QString::fromLatin1(line.name));
            action->setCheckable(line.checkable);
            menu.addAction(action);
        }
    }
}

struct ToolButton {
    CommandId id;
    const char* label;
    const char* image;
    const char* name;
};

constexpr ToolButton kToolBar[] = {
    {ID_FILE_NEW_FOLDER, QT_TRANSLATE_NOOP("MainMenus", "New Folder"), "new-folder",
     "toolNewFolder"},
    {0, nullptr, nullptr, nullptr},
    {ID_FILE_NEW_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "New Entry"), "new-entry", "toolNewEntry"},
    {ID_FILE_OPEN_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "Edit Entry"), "edit-entry",
     "toolEditEntry"},
    {ID_FILE_PRINT_JOURNAL, QT_TRANSLATE_NOOP("MainMenus", "Print"), "print", "toolPrint"},
    {ID_FILE_DELETE_ENTRY, QT_TRANSLATE_NOOP("MainMenus", "Delete"), "delete", "toolDelete"},
    {0, nullptr, nullptr, nullptr},
    {ID_FILE_JOURNAL_OPTIONS, QT_TRANSLATE_NOOP("MainMenus", "Options"), "options", "toolOptions"},
    {ID_TOOLS_SEARCH, QT_TRANSLATE_NOOP("MainMenus", "Search"), "search", "toolSearch"},
};

struct Accelerator {
    CommandId id;
    QKeyCombination keys[2];
    const char* name;
};

} // namespace

void MainMenus::buildMenuBar(QMainWindow& window, CommandActions& actions) {
    QMenuBar* bar = window.menuBar();
    bar->setProperty("controlId", 0xE800);
    for (const MenuLine& line : menuBarTable()) {
        QMenu* menu = bar->addMenu(translated(line.text));
        menu->setObjectName(QString::fromLatin1(line.name));
        fillMenu(*menu, line.children, actions);
    }
}

QToolBar* MainMenus::buildToolBar(QMainWindow& window, CommandActions& actions) {
    QToolBar* bar = makeFixedToolBar(window, QStringLiteral("mainToolBar"), 120);
    for (const ToolButton& button : kToolBar) {
        if (button.id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action =
            actions.add(button.id, translated(button.label), QString::fromLatin1(button.name));
        action->setIcon(QIcon(
            QStringLiteral(":/images/toolbar/%1.svg").arg(QString::fromLatin1(button.image))));
        bar->addAction(action);
    }
    // Buttons as wide as the widest label, within 50 to 200 pixels.
    int width = 50;
    for (QAction* action : bar->actions()) {
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            width = std::max(width, widget->sizeHint().width());
    }
    width = std::min(width, 200);
    for (QAction* action : bar->actions()) {
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            widget->setMinimumWidth(width);
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void MainMenus::addAccelerators(QMainWindow& window, CommandActions& actions) {
    // The main window's keys; the entry editor has its own. A key whose command is disabled
    // (Enter and F2 while the entry list is not active) goes on to the focused widget.
    const Accelerator table[] = {
        {ID_EDIT_COPY, {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}, "acceleratorCopy"},
        {ID_EDIT_CUT, {Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete}, "acceleratorCut"},
        {ID_EDIT_PASTE, {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}, "acceleratorPaste"},
        {ID_EDIT_UNDO, {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}, "acceleratorUndo"},
        {ID_FILE_NEW_ENTRY, {Qt::CTRL | Qt::Key_N, {}}, "acceleratorNew"},
        {ID_FILE_OPEN_JOURNAL, {Qt::CTRL | Qt::Key_O, {}}, "acceleratorOpen"},
        {ID_FILE_PRINT_JOURNAL, {Qt::CTRL | Qt::Key_P, {}}, "acceleratorPrint"},
        {ID_FILE_SAVE, {Qt::CTRL | Qt::Key_S, {}}, "acceleratorSave"},
        {ID_TOOLS_SEARCH, {Qt::CTRL | Qt::Key_F, {}}, "acceleratorSearch"},
        {ID_CALENDAR_TODAY, {Qt::CTRL | Qt::Key_T, {}}, "acceleratorToday"},
        {ID_APP_EXIT, {Qt::CTRL | Qt::Key_Q, {}}, "acceleratorExit"},
        {ID_PANES_REFRESH, {QKeyCombination(Qt::Key_F5), {}}, "acceleratorRefresh"},
        {ID_FILE_OPEN_ENTRY,
         {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter)},
         "acceleratorOpenEntry"},
        {ID_EDIT_COMMENT, {QKeyCombination(Qt::Key_F2), {}}, "acceleratorComment"},
        {ID_ENTRY_CHANGE_DATE, {Qt::CTRL | Qt::Key_D, {}}, "acceleratorChangeDate"},
        {ID_ENTRY_MOVE_TO_FOLDER,
         {Qt::CTRL | Qt::SHIFT | Qt::Key_M, {}},
         "acceleratorMoveToFolder"},
        {ID_PANE_CONTEXT_MENU, {Qt::SHIFT | Qt::Key_F10, {}}, "acceleratorContextMenu"},
        {ID_NEXT_PANE, {QKeyCombination(Qt::Key_F6), {}}, "acceleratorNextPane"},
        {ID_PREV_PANE, {Qt::SHIFT | Qt::Key_F6, {}}, "acceleratorPreviousPane"},
    };
    for (const Accelerator& accelerator : table) {
        QAction* action =
            actions.add(accelerator.id, QString(), QString::fromLatin1(accelerator.name));
        QList<QKeySequence> keys{QKeySequence(accelerator.keys[0])};
        if (accelerator.keys[1] != QKeyCombination())
            keys.append(QKeySequence(accelerator.keys[1]));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
}
