#include "gui/editor/EditorMenus.h"

#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/FixedToolBar.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace {

struct Item {
    CommandId id; // 0: a separator
    const char* text;
    const char* name;
    QList<QKeySequence> keys;
    bool checkable = false;
};

struct Menu {
    const char* text;
    const char* name;
    std::vector<Item> items;
};

const std::vector<Menu>& menuTable() {
    static const std::vector<Menu> table{
        {"&File",
         "editorMenuFile",
         {
             {ID_FILE_SAVE_ENTRY,
              "&Save Entry",
              "editorSave",
              {QKeySequence(Qt::CTRL | Qt::Key_S)}},
             {0, nullptr, nullptr, {}},
             {ID_FILE_PRINT_ENTRY,
              "&Print...",
              "editorPrint",
              {QKeySequence(Qt::CTRL | Qt::Key_P)}},
             {ID_FILE_PRINT_PREVIEW, "Print Preview...", "editorPrintPreview", {}},
             {ID_FILE_PAGE_SETUP, "Page Set&up", "editorPageSetup", {}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_ENTRY_TOPICS, "&Topics", "editorTopics", {}},
             {ID_ENTRY_SET_TEMPLATE, "Use as Te&mplate for New Entries", "editorSetTemplate", {}},
             {ID_ENTRY_CLEAR_TEMPLATE, "Clear Template for New Entries", "editorClearTemplate", {}},
             {0, nullptr, nullptr, {}},
             {ID_FILE_CLOSE, "&Close Entry", "editorClose", {QKeySequence(Qt::CTRL | Qt::Key_W)}},
         }},
        {"&Edit",
         "editorMenuEdit",
         {
             {ID_EDIT_UNDO, "&Undo", "editorUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
             {ID_EDIT_REDO,
              "&Redo",
              "editorRedo",
              {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_CUT, "Cu&t", "editorCut", {QKeySequence(Qt::CTRL | Qt::Key_X)}},
             {ID_EDIT_COPY, "&Copy", "editorCopy", {QKeySequence(Qt::CTRL | Qt::Key_C)}},
             {ID_EDIT_PASTE, "&Paste", "editorPaste", {QKeySequence(Qt::CTRL | Qt::Key_V)}},
             {ID_EDIT_PASTE_PLAIN,
              "Paste as Plain Te&xt",
              "editorPastePlain",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}},
             {ID_EDIT_CLEAR, "C&lear", "editorClear", {QKeySequence(Qt::Key_Delete)}},
             {ID_EDIT_SELECT_ALL,
              "Select A&ll",
              "editorSelectAll",
              {QKeySequence(Qt::CTRL | Qt::Key_A)}},
             {0, nullptr, nullptr, {}},
             {ID_EDIT_FIND, "&Find...", "editorFind", {QKeySequence(Qt::CTRL | Qt::Key_F)}},
             {ID_EDIT_REPEAT, "F&ind Next", "editorFindNext", {QKeySequence(Qt::Key_F3)}},
             {ID_EDIT_FIND_PREVIOUS,
              "Find Pre&vious",
              "editorFindPrevious",
              {QKeySequence(Qt::SHIFT | Qt::Key_F3)}},
             {ID_EDIT_REPLACE,
              "R&eplace...",
              "editorReplace",
              {QKeySequence(Qt::CTRL | Qt::Key_H)}},
         }},
        {"F&ormat",
         "editorMenuFormat",
         {
             {ID_FORMAT_FONT, "&Font...", "editorFont", {}},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_BOLD, "&Bold", "editorBold", {QKeySequence(Qt::CTRL | Qt::Key_B)}, true},
             {ID_FORMAT_ITALIC,
              "&Italic",
              "editorItalic",
              {QKeySequence(Qt::CTRL | Qt::Key_I)},
              true},
             {ID_FORMAT_UNDERLINE,
              "&Underline",
              "editorUnderline",
              {QKeySequence(Qt::CTRL | Qt::Key_U)},
              true},
             {ID_FORMAT_STRIKEOUT,
              "&Strikethrough",
              "editorStrikeOut",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)},
              true},
             {ID_FORMAT_SUPERSCRIPT,
              "Su&perscript",
              "editorSuperscript",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
              true},
             {ID_FORMAT_SUBSCRIPT,
              "Subs&cript",
              "editorSubscript",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)},
              true},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_BULLETS,
              "Bull&ets",
              "editorBullets",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_8)},
              true},
             {ID_FORMAT_NUMBERING,
              "&Numbering",
              "editorNumbering",
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_7)},
              true},
             {ID_FORMAT_INDENT, "Increase In&dent", "editorIndent", {}},
             {ID_FORMAT_OUTDENT, "Decrease Inden&t", "editorOutdent", {}},
             {0, nullptr, nullptr, {}},
             {ID_FORMAT_HIGHLIGHT, "&Highlight", "editorHighlight", {}, true},
             {ID_FORMAT_HIGHLIGHT_COLOR, "Highlight Colo&r...", "editorHighlightColor", {}},
             {ID_FORMAT_CLEAR, "Clear F&ormatting", "editorClearFormat", {}},
             {0, nullptr, nullptr, {}},
             {ID_INSERT_LINK, "&Link...", "editorLink", {QKeySequence(Qt::CTRL | Qt::Key_K)}},
         }},
        {"&Insert",
         "editorMenuInsert",
         {
             {ID_INSERT_PICTURE, "&Picture...", "editorInsertPicture", {}},
             {ID_FORMAT_PICTURE_SIZE, "Picture &Size...", "editorPictureSize", {}},
         }},
        {"&View",
         "editorMenuView",
         {
             {ID_VIEW_TOOLBAR, "&Toolbar", "editorViewToolbar", {}, true},
             {ID_VIEW_FORMAT_BAR, "&Format Bar", "editorViewFormatBar", {}, true},
             {ID_VIEW_STATUS_BAR, "&Status Bar", "editorViewStatusBar", {}, true},
             {0, nullptr, nullptr, {}},
             {ID_VIEW_ZOOM_IN,
              "Zoom &In",
              "editorZoomIn",
              {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}},
             {ID_VIEW_ZOOM_OUT,
              "Zoom &Out",
              "editorZoomOut",
              {QKeySequence(Qt::CTRL | Qt::Key_Minus)}},
             {ID_VIEW_ZOOM_RESET,
              "&Actual Size",
              "editorZoomReset",
              {QKeySequence(Qt::CTRL | Qt::Key_0)}},
             {0, nullptr, nullptr, {}},
             {ID_VIEW_FULL_SCREEN,
              "F&ull Screen",
              "editorFullScreen",
              {QKeySequence(Qt::Key_F11)},
              true},
         }},
        {"&Tools",
         "editorMenuTools",
         {
             {ID_TOOLS_CHECK_SPELLING,
              "Check Spelling...",
              "editorCheckSpelling",
              {QKeySequence(Qt::Key_F7)}},
         }},
        {"&Help",
         "editorMenuHelp",
         {
             {ID_HELP_CONTENTS, "Contents...", "editorHelpContents", {QKeySequence(Qt::Key_F1)}},
             {ID_HELP_ABOUT, "About", "editorAbout", {}},
         }},
    };
    return table;
}

struct ToolButton {
    CommandId id; // 0: a separator
    const char* label;
    const char* image;
};

constexpr ToolButton kToolBar[] = {
    {ID_FILE_SAVE_ENTRY, "Save", "editor/save"},
    {ID_FILE_PRINT_ENTRY, "Print", "toolbar/print"},
    {0, nullptr, nullptr},
    {ID_EDIT_CUT, "Cut", "editor/cut"},
    {ID_EDIT_COPY, "Copy", "editor/copy"},
    {ID_EDIT_PASTE, "Paste", "editor/paste"},
    {ID_EDIT_UNDO, "Undo", "editor/undo"},
    {0, nullptr, nullptr},
    {ID_TOOLS_CHECK_SPELLING, "Spell", "editor/spell"},
    {0, nullptr, nullptr},
    {ID_EDIT_ENTRY_TOPICS, "Topics", "editor/topics"},
    {0, nullptr, nullptr},
    {ID_FILE_CLOSE, "Done", "editor/done"},
};

} // namespace

void EditorMenus::buildMenuBar(QMainWindow& window, CommandActions& actions) {
    QMenuBar* bar = window.menuBar();
    setControlId(bar, 59392);
    for (const Menu& line : menuTable()) {
        QMenu* menu = bar->addMenu(QCoreApplication::translate("EditorMenus", line.text));
        menu->setObjectName(QString::fromLatin1(line.name));
        actions.watch(menu);
        for (const Item& item : line.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action =
                actions.add(item.id, QCoreApplication::translate("EditorMenus", item.text),
                            QString::fromLatin1(item.name));
            action->setShortcuts(item.keys);
            // The text view's own keys (copy, undo, delete) win while it has the focus.
            action->setShortcutContext(Qt::WindowShortcut);
            action->setCheckable(item.checkable);
            menu->addAction(action);
        }
    }
}

QToolBar* EditorMenus::buildToolBar(QMainWindow& window, CommandActions& actions) {
    QToolBar* bar = makeFixedToolBar(window, QStringLiteral("editorToolBar"), 121);
    for (const ToolButton& button : kToolBar) {
        if (button.id == 0) {
            bar->addSeparator();
            continue;
        }
        auto* tool = new QAction(
            QIcon(QStringLiteral(":/images/%1.svg").arg(QString::fromLatin1(button.image))),
            QString::fromLatin1(button.label), bar);
        tool->setObjectName(QStringLiteral("editorTool%1").arg(QString::fromLatin1(button.label)));
        actions.bind(tool, button.id);
        bar->addAction(tool);
    }
    // Buttons as wide as the widest label, within 50 to 150 pixels.
    int width = 50;
    for (QAction* action : bar->actions())
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            width = std::max(width, widget->sizeHint().width());
    width = std::min(width, 150);
    for (QAction* action : bar->actions())
        if (QWidget* widget = bar->widgetForAction(action); widget && !action->isSeparator())
            widget->setMinimumWidth(width);
    return bar;
}
